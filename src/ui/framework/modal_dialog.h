// A modal dialog (not a sheet page) as its logic sees it: built from a template, its
// controls behind DialogControls, ended with OK or Cancel.
#pragma once

#include <functional>

#include "src/ui/framework/dialog_logic.h"

namespace zrt::ui {

class ModalDialog : public DialogLogic {
 public:
  explicit ModalDialog(const DialogTemplate& dialogTemplate) : DialogLogic(dialogTemplate) {}

  // Runs the dialog modally with the current runner; answers kIdOk (1) or kIdCancel (2).
  int DoModal();

  // OK was pressed; the dialog ends.
  virtual void OnOK() {}
  // Cancel was pressed; the dialog ends.
  virtual void OnCancel() {}
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
