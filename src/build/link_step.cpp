#include "src/build/link_step.h"

#include <cstring>

#include "src/build/linker_command_line.h"
#include "src/build/scatter_file.h"
#include "src/build/text_format.h"
#include "src/build/tool_output.h"
#include "src/build/tool_run.h"
#include "src/build/user_commands.h"
#include "src/config/device_description.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

constexpr int kExecutableImage = 1;
constexpr int kLibrary = 2;
constexpr int kHexFile = 1;
constexpr int kBinFile = 2;

// The armlink command: the generated scatter file is written first when the options ask
// for it; ARM devices whose default memory layout is used start at 0 unless told otherwise.
std::string LinkCommand(HostNode* configuration, const HostNode* linker, const HostNode* output,
                        const std::string& linkList) {
  std::string options = BuildLinkerCommandLine(configuration, linker, output);
  ProjectContext& context = Context();
  if (context.scatterRequested) WriteScatterFile(configuration, context.scatterFilePath);
  if (!IsCortexM(context.deviceRecord.information) && IntAttribute(linker, "UseDef") == 1 &&
      options.find("--entry") == std::string::npos) {
    options = "--entry 0x0 " + options;
  }
  WriteLine("Linking...\r\n");
  return context.linkerPath + " " + linkList + " " + options;
}

std::string ArchiveCommand(const std::string& base, const std::string& linkList) {
  WriteLine("Creating Library...\r\n");
  return Context().toolDirectory + "\\armar.exe --create " + Quoted(base + ".lib") + " " + linkList;
}

// The summary of a successful image: after the user's after-build commands, converted to
// HEX or BIN when asked. The configuration is read only while the host still lists it,
// since the link ran in between.
std::string ImageCreated(HostNode* configuration, int hexMode, const std::string& base, char* buffer, int size,
                         int* errors, int* warnings) {
  if (IsListedConfiguration(configuration)) RunUserCommands(configuration, "AfB");
  if (hexMode == 0) return Format("%s create - %d Error(s),%d Warning(s).\r\n", (base + ".axf").c_str(), 0, *warnings);
  int conversionWarnings = 0;
  *errors = FromElfStep(hexMode, base, GetProjectDirectory(), buffer, size, &conversionWarnings);
  *warnings += conversionWarnings;
  return Format("%s - %d Error(s),%d Warning(s).\r\n", (base + ".axf").c_str(), *errors, *warnings);
}

}  // namespace

int LinkStep(int errors, int warnings, const std::string& linkList, char* buffer, int size) {
  if (errors != 0) {
    WriteLine(Format("Result: %d Error(s),%d Warning(s).\r\n", errors, warnings));
    return 0;
  }
  HostNode* configuration = GetCurrentConfiguration();
  HostNode* output = FindChild(configuration, "ZRT_Output");
  if (configuration == nullptr || output == nullptr) return 0;
  int outType = IntAttribute(output, "OutType");
  int hexMode = IntAttribute(output, "OutHex");
  std::string base = OutputBase(output);
  std::string command;
  if (outType == kExecutableImage) command = LinkCommand(configuration, FindChild(configuration, "ZRT_Linker"), output, linkList);
  if (outType == kLibrary) command = ArchiveCommand(base, linkList);

  // Only OutType 1 and 2 make a command; nothing is run for any other.
  if (command.empty()) {
    std::memset(buffer, 0, static_cast<size_t>(size));
  } else {
    RunTool(command, GetProjectDirectory(), buffer, size, kLinkRunFailedLine);
  }
  int linkWarnings = 0;
  int linkErrors = ParseToolOutput(buffer, CapturedLength(buffer, size), kLinkerOutput, &linkWarnings);
  warnings += linkWarnings;
  std::string summary;
  if (outType == kExecutableImage && linkErrors != 0) {
    summary = Format("%s not create - %d Error(s),%d Warning(s).\r\n", (base + ".axf").c_str(), linkErrors, warnings);
  } else if (outType == kExecutableImage) {
    summary = ImageCreated(configuration, hexMode, base, buffer, size, &linkErrors, &warnings);
  } else if (outType == kLibrary) {
    summary = Format("%s - %d Error(s),%d Warning(s).\r\n", (base + ".lib").c_str(), linkErrors, warnings);
  }
  WriteLine(summary);
  return linkErrors == 0 ? 1 : 0;
}

int FromElfStep(int hexMode, const std::string& outputBase, const std::string& workingDirectory, char* buffer,
                int size, int* warnings) {
  std::string fromElf = Context().toolDirectory + "\\FromELF.exe";
  if (!Context().fileSystem->Exists(fromElf)) ShowWarning("没有找到可以使用的FromELF工具，不能产生HEX文件!");
  std::string command = fromElf + " " + Quoted(outputBase + ".axf");
  std::string announcement;
  if (hexMode == kHexFile) {
    command += " --i32combined --output " + Quoted(outputBase + ".hex");
    announcement = Format("FromELF: Creating HEX file %s...\r\n", (outputBase + ".hex").c_str());
  } else if (hexMode == kBinFile) {
    command += " --bin --output " + Quoted(outputBase + ".bin");
    announcement = Format("FromELF: Creating BIN file %s...\r\n", (outputBase + ".bin").c_str());
  }
  WriteLine(announcement);
  RunTool(command, workingDirectory, buffer, size, kRunFailedLine);
  return ParseToolOutput(buffer, CapturedLength(buffer, size), kFromElfOutput, warnings);
}

}  // namespace zrt
