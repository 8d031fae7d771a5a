#include "src/build/tool_run.h"

#include <array>
#include <cstring>

#include "platform/message_box.h"
#include "src/build/text_format.h"
#include "src/core/host_callbacks.h"
#include "src/core/project_context.h"

namespace zrt {

char* BuildBuffer() {
  static std::array<char, kBuildBufferSize> buffer{};
  return buffer.data();
}

int CapturedLength(const char* buffer, int size) {
  const void* end = std::memchr(buffer, '\0', static_cast<size_t>(size));
  return end ? static_cast<int>(static_cast<const char*>(end) - buffer) : size;
}

bool RunTool(const std::string& command, const std::string& directory, char* buffer, int size,
             const char* failedLine) {
  int exitCode = 0;
  if (host::RunCommand(command.c_str(), directory.c_str(), buffer, size, &exitCode) != 0) return true;
  WriteLine(Format(failedLine, exitCode));
  return false;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void WriteLine(const std::string& text) { host::WriteOutput(text.c_str()); }

void ShowToolChainMissing() {
  ShowWarning("没有找到编译工具链，请配置编译工具路径。\r\n\r\n"
              "配置方法：【工具】->【选项】->【环境】->【工具链】->【ZRT】,设置“编译器路径”");
}

void ShowWarning(const char* text) {
  platform::ShowMessageBox(text, "", platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
}

}  // namespace zrt
