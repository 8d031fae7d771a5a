#include "src/build/compile_one_file.h"

#include <cstring>
#include <string>

#include "src/build/compiler_command_line.h"
#include "src/build/text_format.h"
#include "src/build/tool_run.h"
#include "src/build/user_commands.h"
#include "src/config/section_chain.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

std::string Text(const char* value) { return value ? value : ""; }

// The tool, its options and the line announcing the run.
struct ToolInvocation {
  std::string tool;
  std::string options;
  std::string announcement;
};

ToolInvocation Assemble(HostNode* file, HostNode* configuration) {
  std::vector<HostNode*> chain = BuildSectionChain(configuration, file, SectionKind::kAssembler);
  std::string options = BuildAssemblerCommandLine(chain, configuration, FindChild(configuration, "ZRT_Output"),
                                                  Text(GetAttribute(file, "Output")));
  return {Context().assemblerPath, options, Format("Assembling %s ...\r\n", Text(GetAttribute(file, "RelativePath")).c_str())};
}

// The configuration's include folders already reach the file through its section chain,
// so no extra include text is handed to the compiler: passing them a second time would
// only repeat (and, joined to the chain's folders, garble) them.
ToolInvocation Compile(HostNode* file, HostNode* configuration) {
  std::vector<HostNode*> chain = BuildSectionChain(configuration, file, SectionKind::kCompiler);
  std::string options = BuildCompilerCommandLine(chain, configuration, FindChild(configuration, "ZRT_Output"),
                                                 Text(GetAttribute(file, "Output")), "") +
                        " -J" + Quoted(Context().compilerIncludeDirectory);
  return {Context().compilerPath, options,
          Format("Compiling \"%s\" ...\r\n", Text(GetAttribute(file, "RelativePath")).c_str())};
}

}  // namespace

void CompileOneFile(const char* sectionName, HostNode* file, char* buffer, int size) {
  if (sectionName == nullptr || file == nullptr || buffer == nullptr) return;
  HostNode* configuration = GetCurrentConfiguration();
  if (configuration == nullptr) return;
  ToolInvocation run = std::strcmp(sectionName, "ZRT_AsmParam") == 0 ? Assemble(file, configuration)
                                                                      : Compile(file, configuration);
  // The whole command is made before the user's commands run: the host may change or
  // remove the file while they run.
  run.options += " -g --dwarf2 " + Quoted(Text(GetAttribute(file, "RelativePath")));
  WriteLine(run.announcement);
  RunUserCommands(configuration, "BfC");
  RunTool(run.tool + " " + run.options, GetProjectDirectory(), buffer, size, kRunFailedLine);
}

}  // namespace zrt
