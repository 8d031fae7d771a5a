// The Win32 backend's runners: a real modal property sheet (PropertySheetA, pages built
// from the templates in memory) and a real modal dialog.
#pragma once

#include "src/ui/framework/modal_dialog.h"
#include "src/ui/framework/property_sheet.h"

namespace zrt::ui::win32 {

// Runs sheet as a property sheet with its own message loop, in which a key-down of Enter
// or Escape is discarded before dispatch; answers kIdOk or kIdCancel (kIdCancel at
// once for a sheet without pages).
int RunWin32Sheet(PropertySheet& sheet);
// Runs dialog as a modal dialog box; answers kIdOk or kIdCancel.
int RunWin32Dialog(ModalDialog& dialog);

}  // namespace zrt::ui::win32
