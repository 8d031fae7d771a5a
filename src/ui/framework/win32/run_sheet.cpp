// On Windows a script asks for the headless sheet; otherwise the real one runs.
#include "platform/environment.h"
#include "src/ui/framework/ui_script.h"

namespace zrt::ui {

int RunSheetOnPlatform(PropertySheet& sheet) { return RunHeadlessFromEnvironment(sheet); }

}  // namespace zrt::ui
