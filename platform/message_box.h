// Modal message boxes. Windows shows MessageBoxA; POSIX writes the text to stderr.
//
// Scripted mode (every platform; the only mode on POSIX): the text goes to stderr as
// UTF-8; when ZRT_MSGBOX_LOG names a file the text is appended to it as shown (GBK
// bytes) followed by one NUL byte; a Yes/No question takes its answer from
// ZRT_MSGBOX_ANSWERS (comma-separated "yes"/"no" in any case, used in order; any other
// word counts as "no") while answers remain, else asks on the terminal when stdin is
// one, else answers No. An OK box answers OK.
// The process counts the answers it has used; the count starts again when the variable's
// value changes (or on RestartScriptedAnswers).
// On Windows the scripted mode is used when ZRT_MSGBOX_LOG or ZRT_MSGBOX_ANSWERS is set.
#pragma once

#include <functional>
#include <string>

namespace zrt::platform {

enum class MessageButtons { kOk, kYesNo };
enum class MessageIcon { kNone, kInformation, kWarning, kError, kQuestion };
enum class MessageAnswer { kOk, kYes, kNo };

using MessageBoxHandler =
    std::function<MessageAnswer(const std::string& text, const std::string& caption,
                                MessageButtons buttons, MessageIcon icon)>;

// Shows a message box (text and caption in the ANSI code page) and answers the button pressed.
MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon icon);

// Replaces the handler for this process; an empty handler restores the default.
void SetMessageBoxHandler(MessageBoxHandler handler);

// The default, scripted handler described above. Exposed for testing.
MessageAnswer ScriptedMessageBox(const std::string& text, const std::string& caption,
                                 MessageButtons buttons, MessageIcon icon);

// Forgets how many answers of ZRT_MSGBOX_ANSWERS were used, so the next question takes the
// first one again even when the value is unchanged. Exposed for testing.
void RestartScriptedAnswers();

}  // namespace zrt::platform
