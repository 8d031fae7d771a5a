// Builds an in-memory Win32 dialog template (DLGTEMPLATE) from a dialog template's data.
#pragma once

#include "src/ui/framework/win32/windows_headers.h"


#include <vector>

#include "src/ui/framework/dialog_template.h"

namespace zrt::ui::win32 {

// How the dialog is used: a property page (child) or a modal dialog (pop-up).
enum class TemplateUse { kPage, kModal };

// The DLGTEMPLATE bytes of dialogTemplate, DWORD-aligned, with the shell dialog font;
// labels are converted from the ANSI code page.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate, TemplateUse use);

// The window class of a control kind ("Button", "Edit", ...).
const wchar_t* ControlClassName(ControlKind kind);

}  // namespace zrt::ui::win32
