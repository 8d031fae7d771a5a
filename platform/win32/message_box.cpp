// MessageBoxA, or the scripted box when a script or log is asked for.
#include <windows.h>

#include "platform/environment.h"
#include "platform/message_box_platform.h"

namespace zrt::platform {
namespace {

// MessageBoxA icon flags, indexed by MessageIcon.
constexpr UINT kIconFlags[] = {
    0,                   // kNone
    MB_ICONINFORMATION,  // kInformation
    MB_ICONWARNING,      // kWarning
    MB_ICONERROR,        // kError
    MB_ICONQUESTION,     // kQuestion
};

bool ScriptRequested() {
  std::string value;
  return GetEnvironment("ZRT_MSGBOX_LOG", &value) || GetEnvironment("ZRT_MSGBOX_ANSWERS", &value);
}

}  // namespace

MessageAnswer NativeMessageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                               MessageIcon icon) {
  if (ScriptRequested()) return ScriptedMessageBox(text, caption, buttons, icon);
  UINT type = (buttons == MessageButtons::kYesNo ? MB_YESNO : MB_OK) | kIconFlags[static_cast<int>(icon)];
  int pressed = MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), type);
  if (buttons == MessageButtons::kOk) return MessageAnswer::kOk;
  return pressed == IDYES ? MessageAnswer::kYes : MessageAnswer::kNo;
}

bool StandardInputIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

}  // namespace zrt::platform
