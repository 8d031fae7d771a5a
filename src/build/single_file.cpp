#include "src/build/single_file.h"

#include <cstring>
#include <string>

#include "src/build/compile_one_file.h"
#include "src/build/linker_command_line.h"
#include "src/build/text_format.h"
#include "src/build/tool_output.h"
#include "src/build/tool_run.h"
#include "src/config/file_defaults.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

bool IsSource(const HostNode* file) { return IsSourceFileType(IntAttribute(file, "FileType")); }

}  // namespace

int CompileFile(HostNode* file) {
  if (file == nullptr) return 0;
  ProjectContext& context = Context();
  context.fileSystem->SetCurrentDirectory(GetProjectDirectory());
  if (context.toolChainFound == 0) {
    ShowToolChainMissing();
    return 0;
  }
  if (!IsSource(file)) {
    ShowWarning("不能编译该文件，请确保该文件为源代码文件");
    return 0;
  }
  char* buffer = BuildBuffer();
  std::memset(buffer, 0, kBuildBufferSize);
  host::ClearOutput();
  CompileOneFile(SourceSectionName(IntAttribute(file, "FileType")), file, buffer, kBuildBufferSize);
  int length = CapturedLength(buffer, kBuildBufferSize);
  int warnings = 0;
  int errors = ParseToolOutput(buffer, length, kCompilerOutput, &warnings);
  // A run that printed nothing is reported too, so the user sees the compile finished.
  if (errors != 0 || warnings != 0 || length == 0) {
    WriteLine(Format("Result: %d Error(s),%d Warning(s).\r\n", errors, warnings));
  }
  return 1;
}

void CleanOutputs() {
  ProjectContext& context = Context();
  platform::FileSystem& fs = *context.fileSystem;
  // The object paths are relative to the project folder; the host's current directory is
  // given back afterwards.
  std::string previousDirectory = fs.CurrentDirectory();
  fs.SetCurrentDirectory(GetProjectDirectory());
  for (const HostNode* file : context.files) {
    if (IsSource(file)) fs.DeleteFile(ObjectPathOf(file));
  }
  HostNode* output = FindChild(GetCurrentConfiguration(), "ZRT_Output");
  if (output != nullptr) fs.DeleteFile(OutputBase(output) + ".axf");
  fs.SetCurrentDirectory(previousDirectory);
}

}  // namespace zrt
