// The replaceable handler behind ShowMessageBox and the scripted message box.
#include <cctype>
#include <cstdio>
#include <iostream>
#include <utility>
#include <vector>

#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/message_box_platform.h"

namespace zrt::platform {
namespace {

constexpr const char* kLogVariable = "ZRT_MSGBOX_LOG";
constexpr const char* kAnswersVariable = "ZRT_MSGBOX_ANSWERS";

MessageBoxHandler& CurrentHandler() {
  static MessageBoxHandler handler;
  return handler;
}

// Lower-case copy of text without surrounding blanks.
std::string Canonical(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return std::string();
  size_t end = text.find_last_not_of(" \t\r\n");
  std::string word = text.substr(begin, end - begin + 1);
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

// The non-empty comma-separated answers of value, canonical.
std::vector<std::string> SplitAnswers(const std::string& value) {
  std::vector<std::string> answers;
  size_t start = 0;
  while (start <= value.size()) {
    size_t comma = value.find(',', start);
    if (comma == std::string::npos) comma = value.size();
    std::string answer = Canonical(value.substr(start, comma - start));
    if (!answer.empty()) answers.push_back(answer);
    start = comma + 1;
  }
  return answers;
}

// The value of ZRT_MSGBOX_ANSWERS last seen and how many of its answers were used.
struct AnswerScript {
  std::string value;
  size_t used = 0;
};

AnswerScript& Script() {
  static AnswerScript script;
  return script;
}

// Takes the next unused answer of ZRT_MSGBOX_ANSWERS; false when none remains. The
// variable is read on every call and a new value starts again from its first answer.
bool NextScriptedAnswer(MessageAnswer* answer) {
  AnswerScript& script = Script();
  std::string value;
  GetEnvironment(kAnswersVariable, &value);
  if (value != script.value) {
    script.value = value;
    script.used = 0;
  }
  std::vector<std::string> answers = SplitAnswers(script.value);
  if (script.used >= answers.size()) return false;
  *answer = answers[script.used++] == "yes" ? MessageAnswer::kYes : MessageAnswer::kNo;
  return true;
}

// Asks on the terminal; anything but "y" or "yes" (and end of input) is No.
MessageAnswer AskTerminal() {
  std::fputs("[yes/no] ", stderr);
  std::fflush(stderr);
  std::string line;
  std::getline(std::cin, line);
  std::string word = Canonical(line);
  return word == "y" || word == "yes" ? MessageAnswer::kYes : MessageAnswer::kNo;
}

// Appends text and one NUL byte to the file named by ZRT_MSGBOX_LOG, if any.
void AppendToLog(const std::string& text) {
  std::string path;
  if (!GetEnvironment(kLogVariable, &path) || path.empty()) return;
  std::FILE* log = std::fopen(path.c_str(), "ab");
  if (log == nullptr) return;
  std::fwrite(text.c_str(), 1, text.size() + 1, log);
  std::fclose(log);
}

}  // namespace

MessageAnswer ScriptedMessageBox(const std::string& text, const std::string&, MessageButtons buttons,
                                 MessageIcon) {
  std::string shown = AnsiToUtf8(text) + "\n";
  std::fwrite(shown.data(), 1, shown.size(), stderr);
  std::fflush(stderr);
  AppendToLog(text);
  if (buttons == MessageButtons::kOk) return MessageAnswer::kOk;
  MessageAnswer answer;
  if (NextScriptedAnswer(&answer)) return answer;
  return StandardInputIsTerminal() ? AskTerminal() : MessageAnswer::kNo;
}

void RestartScriptedAnswers() { Script().used = 0; }

MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                             MessageIcon icon) {
  // A copy, so a handler may replace itself while it runs.
  MessageBoxHandler handler = CurrentHandler();
  return handler ? handler(text, caption, buttons, icon) : NativeMessageBox(text, caption, buttons, icon);
}

void SetMessageBoxHandler(MessageBoxHandler handler) { CurrentHandler() = std::move(handler); }

}  // namespace zrt::platform
