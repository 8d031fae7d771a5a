// POSIX has no message box window: every box is scripted.
#include <unistd.h>

#include "platform/message_box_platform.h"

namespace zrt::platform {

MessageAnswer NativeMessageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                               MessageIcon icon) {
  return ScriptedMessageBox(text, caption, buttons, icon);
}

bool StandardInputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

}  // namespace zrt::platform
