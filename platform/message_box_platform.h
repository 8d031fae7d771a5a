// What the platforms supply behind ShowMessageBox (posix/ and win32/message_box.cpp).
#pragma once

#include <string>

#include "platform/message_box.h"

namespace zrt::platform {

// The box shown when no handler was set: ScriptedMessageBox on POSIX; on Windows
// ScriptedMessageBox when ZRT_MSGBOX_LOG or ZRT_MSGBOX_ANSWERS is set, else MessageBoxA.
MessageAnswer NativeMessageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                               MessageIcon icon);

// True when standard input is an interactive terminal. Exposed for testing.
bool StandardInputIsTerminal();

}  // namespace zrt::platform
