// Without a GUI every sheet runs headless.
#include "src/ui/framework/ui_script.h"

namespace zrt::ui {

int RunSheetOnPlatform(PropertySheet& sheet) { return RunHeadlessFromEnvironment(sheet); }

}  // namespace zrt::ui
