// Builds an in-memory Win32 dialog template (DLGTEMPLATE) from a dialog template's data.
#pragma once

#include "src/ui/framework/win32/windows_headers.h"


#include <vector>

#include "src/ui/framework/dialog_template.h"

namespace zrt::ui::win32 {

// How the dialog is used: a property page, a modal dialog (pop-up) or a dialog embedded
// in another one.
enum class TemplateUse { kPage, kModal, kEmbedded };

// The module the templates and windows belong to (this library or program).
HINSTANCE ThisModule();

// The DLGTEMPLATE bytes of dialogTemplate, DWORD-aligned, with the shell dialog font;
// labels are converted from the ANSI code page.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate, TemplateUse use);

// Point size of the font of every dialog, page and sheet (the shell dialog font).
constexpr WORD kDialogFontPoints = 9;

// Sets the point size of a dialog template's font (DLGTEMPLATE or DLGTEMPLATEEX) in
// place; nothing when the template names no font.
void SetTemplateFontSize(void* dialogTemplate, WORD points);

// The window class of a control kind ("Button", "Edit", ...).
const wchar_t* ControlClassName(ControlKind kind);

}  // namespace zrt::ui::win32
