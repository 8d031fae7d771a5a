// A page of a property sheet as page logic sees it: built from a dialog template, it
// reaches its controls through DialogControls and hears the platform's notifications
// through the virtual handlers below (activation, deactivation, apply, cancel, control
// events), whichever backend runs it.
#pragma once

#include <string>

#include "src/ui/framework/dialog_controls.h"
#include "src/ui/framework/dialog_template.h"

namespace zrt::ui {

class PropertySheet;

class PropertyPage {
 public:
  explicit PropertyPage(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {}
  virtual ~PropertyPage() = default;
  PropertyPage(const PropertyPage&) = delete;
  PropertyPage& operator=(const PropertyPage&) = delete;

  // The template the page's window is built from.
  const DialogTemplate& Template() const { return template_; }
  // True once the page's window exists (it is created when the page is first shown).
  bool HasWindow() const { return controls_ != nullptr; }
  // The page's controls; null before the window exists.
  DialogControls* Controls() const { return controls_; }
  // The dialogs the page may open; null before the window exists.
  DialogServices* Services() const { return services_; }
  // The sheet the page was added to; null before.
  PropertySheet* Sheet() const { return sheet_; }

  // Marks the page changed (or not) for the sheet, which enables Apply while any page is.
  void SetModified(bool changed = true);
  // Copies the controls to the fields (save) or the fields to the controls; false when
  // a field refuses its control's value.
  bool UpdateData(bool save) { return DoDataExchange(save); }

  // The window was created; the answer is ignored.
  virtual bool OnInitDialog() { return true; }
  // The page becomes the active one; false refuses.
  virtual bool OnSetActive() { return true; }
  // The page is left (another tab, Apply or OK); false keeps it active. Validates.
  virtual bool OnKillActive() { return UpdateData(true); }
  // Apply or OK was pressed (every page with a window hears it); false refuses.
  virtual bool OnApply() { return true; }
  // Cancel was pressed (every page with a window hears it).
  virtual void OnReset() {}
  // A control of the page reported an event.
  virtual void OnControl(int /*id*/, ControlEvent /*event*/) {}
  // One cell of a report list was edited in place and confirmed; the base stores it.
  virtual void OnCellEdited(int id, int row, int column, const std::string& text);
  // Exchanges the fields with the controls; the base has no fields.
  virtual bool DoDataExchange(bool /*save*/) { return true; }

  // Backends connect the page to its sheet, window and dialogs (nulls disconnect).
  void Attach(PropertySheet* sheet) { sheet_ = sheet; }
  void AttachWindow(DialogControls* controls, DialogServices* services) {
    controls_ = controls;
    services_ = services;
  }

 private:
  const DialogTemplate& template_;
  PropertySheet* sheet_ = nullptr;
  DialogControls* controls_ = nullptr;
  DialogServices* services_ = nullptr;
};

}  // namespace zrt::ui
