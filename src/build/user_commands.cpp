#include "src/build/user_commands.h"

#include <string>
#include <vector>

#include "src/build/text_format.h"
#include "src/build/tool_run.h"
#include "src/config/section_values.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

unsigned userCommandRuns = 0;

void RunUserCommand(int number, const UserCommand& command) {
  if (command.enabled != 1) return;
  ++userCommandRuns;
  WriteLine(Format("User Command #%d:%s\r\n", number, command.command.c_str()));
  std::vector<char> output(kUserCommandBufferSize, '\0');
  if (RunTool(command.command, GetProjectDirectory(), output.data(), kUserCommandBufferSize, kRunFailedLine)) {
    WriteLine(std::string(output.data(), static_cast<size_t>(CapturedLength(output.data(), kUserCommandBufferSize))));
  }
}

}  // namespace

unsigned UserCommandRuns() { return userCommandRuns; }

void RunUserCommands(const HostNode* configuration, const char* key) {
  const char* value = GetAttribute(FindChild(configuration, "ZRT_User"), key);
  UserCommand pair[2];
  if (value == nullptr || ReadUserCommands(value, pair) != 4) return;
  for (const UserCommand& command : pair) {
    if (command.command.size() > kUserCommandLimit) return;
  }
  RunUserCommand(1, pair[0]);
  RunUserCommand(2, pair[1]);
}

}  // namespace zrt
