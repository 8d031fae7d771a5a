// On Windows the real sheet runs, unless a script asks for the headless one.
#include "platform/environment.h"
#include "src/ui/framework/modal_dialog.h"
#include "src/ui/framework/ui_script.h"
#include "src/ui/framework/win32/win32_sheet.h"

namespace zrt::ui {
namespace {

bool ScriptRequested() {
  std::string path;
  return platform::GetEnvironment(kUiScriptVariable, &path) && !path.empty();
}

}  // namespace

int RunSheetOnPlatform(PropertySheet& sheet) {
  return ScriptRequested() ? RunHeadlessFromEnvironment(sheet) : win32::RunWin32Sheet(sheet);
}

int RunDialogOnPlatform(ModalDialog& dialog) {
  return ScriptRequested() ? RunDialogCancelledAtOnce(dialog) : win32::RunWin32Dialog(dialog);
}

}  // namespace zrt::ui
