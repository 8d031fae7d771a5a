// A modal dialog (not a sheet page) as its logic sees it: built from a template, its
// controls behind DialogControls, ended with OK or Cancel.
#pragma once

#include <functional>

#include "src/ui/framework/dialog_controls.h"
#include "src/ui/framework/dialog_template.h"

namespace zrt::ui {

class ModalDialog {
 public:
  explicit ModalDialog(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {}
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  const DialogTemplate& Template() const { return template_; }
  // The controls and dialogs while the window exists; null otherwise.
  DialogControls* Controls() const { return controls_; }
  DialogServices* Services() const { return services_; }

  // Runs the dialog modally with the current runner; answers kIdOk (1) or kIdCancel (2).
  int DoModal();

  // The window was created.
  virtual bool OnInitDialog() { return true; }
  // A control reported an event.
  virtual void OnControl(int /*id*/, ControlEvent /*event*/) {}
  // OK was pressed; the dialog ends.
  virtual void OnOK() {}
  // Cancel was pressed; the dialog ends.
  virtual void OnCancel() {}

  // Backends connect the dialog to its window (nulls disconnect).
  void AttachWindow(DialogControls* controls, DialogServices* services) {
    controls_ = controls;
    services_ = services;
  }

 private:
  const DialogTemplate& template_;
  DialogControls* controls_ = nullptr;
  DialogServices* services_ = nullptr;
};

// Runs a dialog modally and answers kIdOk or kIdCancel.
using DialogRunner = std::function<int(ModalDialog& dialog)>;
// Replaces the runner for this process (tests drive dialogs so); an empty runner
// restores the platform's.
void SetDialogRunner(DialogRunner runner);
// The platform's runner: the real dialog on Windows, else RunDialogCancelledAtOnce.
int RunDialogOnPlatform(ModalDialog& dialog);
// A headless run: the dialog is created and cancelled at once (the automation script
// does not reach into dialogs of a page).
int RunDialogCancelledAtOnce(ModalDialog& dialog);

}  // namespace zrt::ui
