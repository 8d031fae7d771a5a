#include "src/build/user_commands.h"

#include <string>
#include <vector>

#include "src/build/text_format.h"
#include "src/build/tool_run.h"
#include "src/config/value_scanner.h"
#include "src/plugin/host_callbacks.h"
#include "src/plugin/host_node.h"
#include "src/plugin/project_context.h"
#include "src/plugin/text_utilities.h"

namespace zrt {
namespace {

struct UserCommand {
  int enabled = 0;
  std::string text;  // with its opening parenthesis, parentheses escaped as "<" and ">"
};

// Reads "flag,(command)#flag,(command)"; false unless both commands are there and fit.
bool ReadUserCommands(const char* value, UserCommand* first, UserCommand* second) {
  int fields = ScanValue(value, "%d,%[^)])#%d,%[^)])", {&first->enabled, &first->text, &second->enabled, &second->text});
  // Each text carries its "(" besides the command itself.
  return fields == 4 && first->text.size() <= kUserCommandLimit + 1 && second->text.size() <= kUserCommandLimit + 1;
}

void RunUserCommand(int number, const UserCommand& command) {
  if (command.enabled != 1) return;
  std::string text = UnescapeParentheses(command.text.substr(1));
  WriteLine(Format("User Command #%d:%s\r\n", number, text.c_str()));
  std::vector<char> output(kUserCommandBufferSize, '\0');
  int exitCode = 0;
  if (host::RunCommand(text.c_str(), GetProjectDirectory().c_str(), output.data(), kUserCommandBufferSize,
                       &exitCode) != 0) {
    WriteLine(std::string(output.data(), static_cast<size_t>(CapturedLength(output.data(), kUserCommandBufferSize))));
  } else {
    WriteLine(Format(kRunFailedLine, exitCode));
  }
}

}  // namespace

void RunUserCommands(const HostNode* configuration, const char* key) {
  const char* value = GetAttribute(FindChild(configuration, "ZRT_User"), key);
  UserCommand first;
  UserCommand second;
  if (value == nullptr || !ReadUserCommands(value, &first, &second)) return;
  RunUserCommand(1, first);
  RunUserCommand(2, second);
}

}  // namespace zrt
