// Without a GUI every sheet runs headless, and so does every dialog.
#include "src/ui/framework/modal_dialog.h"
#include "src/ui/framework/ui_script.h"

namespace zrt::ui {

int RunSheetOnPlatform(PropertySheet& sheet) { return RunHeadlessFromEnvironment(sheet); }

int RunDialogOnPlatform(ModalDialog& dialog) { return RunDialogCancelledAtOnce(dialog); }

}  // namespace zrt::ui
