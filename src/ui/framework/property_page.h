// A page of a property sheet as page logic sees it: built from a dialog template, it
// reaches its controls through DialogControls and hears the platform's notifications
// through the handlers of DialogLogic and those below (activation, deactivation, apply,
// cancel), whichever backend runs it.
#pragma once

#include <string>

#include "src/ui/framework/dialog_logic.h"

namespace zrt::ui {

class PropertySheet;

class PropertyPage : public DialogLogic {
 public:
  explicit PropertyPage(const DialogTemplate& dialogTemplate) : DialogLogic(dialogTemplate) {}

  // The sheet the page was added to; null before.
  PropertySheet* Sheet() const { return sheet_; }

  // Marks the page changed (or not) for the sheet, which enables Apply while any page is.
  void SetModified(bool changed = true);
  // Copies the controls to the fields (save) or the fields to the controls; false when
  // a field refuses its control's value.
  bool UpdateData(bool save) { return DoDataExchange(save); }

  // The page becomes the active one; false refuses.
  virtual bool OnSetActive() { return true; }
  // The page is left (another tab, Apply or OK); false keeps it active. Validates.
  virtual bool OnKillActive() { return UpdateData(true); }
  // Apply or OK was pressed (every page with a window hears it); false refuses.
  virtual bool OnApply() { return true; }
  // Cancel was pressed (every page with a window hears it).
  virtual void OnReset() {}
  // One cell of a report list was edited in place and confirmed; the base stores it.
  virtual void OnCellEdited(int id, int row, int column, const std::string& text);
  // Exchanges the fields with the controls; the base has no fields.
  virtual bool DoDataExchange(bool /*save*/) { return true; }

  // The sheet connects itself when the page is added.
  void Attach(PropertySheet* sheet) { sheet_ = sheet; }

 private:
  PropertySheet* sheet_ = nullptr;
};

}  // namespace zrt::ui
