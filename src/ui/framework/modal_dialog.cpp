#include "src/ui/framework/modal_dialog.h"

#include <utility>

#include "src/ui/framework/headless_dialog.h"
#include "src/ui/framework/property_sheet.h"

namespace zrt::ui {
namespace {

DialogRunner& CurrentRunner() {
  static DialogRunner runner;
  return runner;
}

}  // namespace

int RunDialogCancelledAtOnce(ModalDialog& dialog) {
  HeadlessDialog window(dialog.Template());
  dialog.AttachWindow(&window, nullptr);
  dialog.OnInitDialog();
  dialog.OnCancel();
  dialog.AttachWindow(nullptr, nullptr);
  return kIdCancel;
}

int ModalDialog::DoModal() {
  DialogRunner runner = CurrentRunner();
  return runner ? runner(*this) : RunDialogOnPlatform(*this);
}

void SetDialogRunner(DialogRunner runner) { CurrentRunner() = std::move(runner); }

}  // namespace zrt::ui
