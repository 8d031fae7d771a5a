// The folder picker of the Output and Listing pages.
#pragma once

#include <string>

#include "src/ui/framework/dialog_controls.h"

namespace zrt {

// Asks for a folder, starting at *folder (relative to the project directory; the project
// directory itself when empty). On success *folder is the chosen folder made relative to
// the project, without a trailing backslash; false when cancelled.
bool PickProjectFolder(ui::DialogServices& services, std::string* folder);

}  // namespace zrt
