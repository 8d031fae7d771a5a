// The controls of one dialog as in-memory state, built from its template. Ids the
// template lacks are remembered, so a test can prove a page touches only its own.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "src/ui/framework/dialog_controls.h"
#include "src/ui/framework/dialog_template.h"

namespace zrt::ui {

// The in-place editor of a list as shown last.
struct HeadlessEditor {
  bool visible = false;
  Rect edit, button;
  std::string text;
};

// One control's state.
struct HeadlessControl {
  struct Item {
    std::vector<std::string> cells;  // the item text, then the further columns of a report row
    uintptr_t data = 0;
  };
  const ControlTemplate* source = nullptr;
  std::string text;
  int check = 0;
  bool enabled = true;
  int selection = -1;
  int caret = 0;
  std::vector<Item> items;
  std::vector<std::string> columns;
  std::vector<std::string> tips;  // the tool tips of its tool bar's buttons, left to right
  HeadlessEditor editor;
};

class HeadlessDialog : public DialogControls {
 public:
  explicit HeadlessDialog(const DialogTemplate& dialogTemplate);

  const DialogTemplate& Template() const { return template_; }
  // The control with id that a user can reach: the template's own or a shown embedded
  // dialog's; null when none.
  HeadlessControl* Find(int id);
  const HeadlessControl* Find(int id) const;
  // The dialog holding a control a user can reach with id (this one or a shown embedded one).
  HeadlessDialog* DialogOf(int id);
  // The controls a user can reach, in template order: this dialog's, then each shown
  // embedded dialog's.
  std::vector<const HeadlessControl*> Visible() const;
  // This dialog's own controls, in template order.
  const std::vector<HeadlessControl>& All() const { return controls_; }
  // Ids the code addressed that the template lacks.
  const std::set<int>& MissingIds() const { return missing_; }
  // The control holding the focus; kNoId when none.
  int FocusId() const { return focus_; }

  bool Has(int id) const override;
  std::string Text(int id) const override;
  void SetText(int id, const std::string& text) override;
  int Check(int id) const override;
  void SetCheck(int id, int state) override;
  bool IsEnabled(int id) const override;
  void Enable(int id, bool enabled) override;
  void ClearItems(int id) override;
  int InsertItem(int id, int index, const std::string& text) override;
  void DeleteItem(int id, int index) override;
  int ItemCount(int id) const override;
  std::string ItemText(int id, int index) const override;
  uintptr_t ItemData(int id, int index) const override;
  void SetItemData(int id, int index, uintptr_t data) override;
  int Selection(int id) const override;
  void SetSelection(int id, int index) override;
  void AddColumn(int id, const std::string& title, int width) override;
  std::string CellText(int id, int row, int column) const override;
  void SetCellText(int id, int row, int column, const std::string& text) override;
  void SetFocus(int id) override;
  void SetCaret(int id, int position) override;
  Rect ItemRect(int id, int index) const override;
  void ShowInPlaceEditor(int id, const Rect& editRect, const Rect& buttonRect, const std::string& text) override;
  void HideInPlaceEditor(int id) override;
  void EmbedDialog(const DialogTemplate& dialogTemplate, int frameId) override;
  void ShowEmbedded(int templateId, bool visible) override;

 private:
  struct Embedded {
    std::unique_ptr<HeadlessDialog> dialog;
    bool visible = false;
  };

  // The control with id, noting a missing one.
  HeadlessControl* Lookup(int id) const;
  // The item at index of the control with id; null when either is missing.
  HeadlessControl::Item* ItemAt(int id, int index) const;

  const DialogTemplate& template_;
  mutable std::vector<HeadlessControl> controls_;
  std::vector<Embedded> embedded_;
  mutable std::set<int> missing_;
  int focus_ = kNoId;
};

}  // namespace zrt::ui
