#include "src/ui/framework/win32/win32_template.h"


#include <string>

namespace zrt::ui::win32 {
namespace {

// How much lower a combo's drop-down list reaches below its closed height.
constexpr short kDropDownHeight = 100;

void AppendWords(std::vector<WORD>* out, const void* data, size_t bytes) {
  const WORD* words = static_cast<const WORD*>(data);
  out->insert(out->end(), words, words + bytes / sizeof(WORD));
}

void AppendDword(std::vector<WORD>* out, DWORD value) { AppendWords(out, &value, sizeof value); }

// A zero-terminated UTF-16 string from ANSI text.
void AppendText(std::vector<WORD>* out, const char* ansi) {
  int length = ansi && *ansi ? MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0) : 0;
  if (length > 0) {
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, &wide[0], length);
    for (int i = 0; i + 1 < length; ++i) out->push_back(static_cast<WORD>(wide[i]));
  }
  out->push_back(0);
}

void AppendWide(std::vector<WORD>* out, const wchar_t* text) {
  for (; *text; ++text) out->push_back(static_cast<WORD>(*text));
  out->push_back(0);
}

void AlignToDword(std::vector<WORD>* out) {
  if (out->size() % 2 != 0) out->push_back(0);
}

// Window style of one control.
DWORD StyleOf(const ControlTemplate& control) {
  DWORD style = WS_CHILD | WS_VISIBLE;
  unsigned flags = control.style;
  switch (control.kind) {
    case ControlKind::kStatic: return style | ((flags & kRightAlign) ? SS_RIGHT : SS_LEFT) | WS_GROUP;
    case ControlKind::kEdit:
      style |= WS_BORDER | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
      if (flags & kReadOnly) style |= ES_READONLY;
      if (flags & kMultiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
      return style;
    case ControlKind::kButton: return style | BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;
    case ControlKind::kCheck:
      return style | ((flags & kThreeState) ? BS_AUTO3STATE : BS_AUTOCHECKBOX) | WS_TABSTOP | WS_GROUP;
    case ControlKind::kRadio: return style | BS_AUTORADIOBUTTON | ((flags & kGroupStart) ? WS_GROUP | WS_TABSTOP : 0);
    case ControlKind::kCombo:
      return style | WS_VSCROLL | WS_TABSTOP | WS_GROUP |
             ((flags & kEditable) ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
    case ControlKind::kList:
      return style | WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_GROUP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
             ((flags & kOwnerDraw) ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_EXTENDEDSEL : 0);
    case ControlKind::kReport:
      return style | WS_BORDER | WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
    case ControlKind::kGroup: return style | BS_GROUPBOX | WS_GROUP;
    case ControlKind::kCustom: return style | SS_ETCHEDFRAME | WS_GROUP;
  }
  return style;
}

}  // namespace

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

const wchar_t* ControlClassName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kEdit: return L"Edit";
    case ControlKind::kButton:
    case ControlKind::kCheck:
    case ControlKind::kRadio:
    case ControlKind::kGroup: return L"Button";
    case ControlKind::kCombo: return L"ComboBox";
    case ControlKind::kList: return L"ListBox";
    case ControlKind::kReport: return WC_LISTVIEWW;
    case ControlKind::kStatic:
    case ControlKind::kCustom: return L"Static";
  }
  return L"Static";
}

namespace {

// Skips a menu or class field (0, 0xFFFF + ordinal, or a string); answers the next word.
const WORD* SkipNameOrOrdinal(const WORD* at) {
  if (*at == 0) return at + 1;
  if (*at == 0xFFFF) return at + 2;
  while (*at != 0) ++at;
  return at + 1;
}

}  // namespace

void SetTemplateFontSize(void* dialogTemplate, WORD points) {
  auto* words = static_cast<WORD*>(dialogTemplate);
  bool extended = words[0] == 1 && words[1] == 0xFFFF;
  // Style, then the words up to the menu field: DLGTEMPLATEEX has version, signature,
  // help id and extended style before its style; DLGTEMPLATE has extended style after it.
  DWORD style = extended ? *reinterpret_cast<const DWORD*>(words + 6) : *reinterpret_cast<const DWORD*>(words);
  if (!(style & DS_SETFONT)) return;
  const WORD* at = words + (extended ? 8 + 1 + 4 : 4 + 1 + 4);
  at = SkipNameOrOrdinal(at);  // menu
  at = SkipNameOrOrdinal(at);  // class
  while (*at != 0) ++at;       // title
  *const_cast<WORD*>(at + 1) = points;
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate, TemplateUse use) {
  std::vector<WORD> out;
  static const DWORD kUseStyles[] = {
      WS_CHILD | WS_DISABLED | WS_CAPTION,                              // kPage
      DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,  // kModal
      WS_CHILD | DS_CONTROL,                                            // kEmbedded
  };
  DWORD style = DS_SETFONT | DS_FIXEDSYS | kUseStyles[static_cast<int>(use)];
  AppendDword(&out, style);
  AppendDword(&out, 0);
  out.push_back(static_cast<WORD>(dialogTemplate.controls.size()));
  const short frame[] = {0, 0, dialogTemplate.cx, dialogTemplate.cy};
  AppendWords(&out, frame, sizeof frame);
  out.push_back(0);  // no menu
  out.push_back(0);  // the standard dialog class
  AppendText(&out, dialogTemplate.caption);
  out.push_back(kDialogFontPoints);
  AppendWide(&out, L"MS Shell Dlg");
  for (const ControlTemplate& control : dialogTemplate.controls) {
    AlignToDword(&out);
    AppendDword(&out, StyleOf(control));
    AppendDword(&out, 0);
    short cy = control.kind == ControlKind::kCombo ? control.cy + kDropDownHeight : control.cy;
    const short place[] = {control.x, control.y, control.cx, cy};
    AppendWords(&out, place, sizeof place);
    out.push_back(static_cast<WORD>(control.id));
    AppendWide(&out, ControlClassName(control.kind));
    AppendText(&out, control.kind == ControlKind::kEdit ? "" : control.label);
    out.push_back(0);  // no creation data
  }
  return out;
}

}  // namespace zrt::ui::win32
