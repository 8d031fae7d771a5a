#include "src/plugin/initialize.h"

#include <cstring>

#include "src/config/device_description.h"
#include "src/device/startup_file.h"
#include "src/core/project_context.h"
#include "src/core/text_utilities.h"
#include "src/core/tool_chain.h"

namespace zrt {
namespace {

std::string TextOf(const char* text) { return text ? text : ""; }

// Points the three tool paths and the tool directory at directory.
void UseToolDirectory(ProjectContext& context, const std::string& directory) {
  context.toolDirectory = directory;
  context.compilerPath = directory + "\\armcc.exe";
  context.assemblerPath = directory + "\\armasm.exe";
  context.linkerPath = directory + "\\armlink.exe";
}

bool AllToolsExist(ProjectContext& context) {
  platform::FileSystem& fs = *context.fileSystem;
  return fs.Exists(context.compilerPath) && fs.Exists(context.assemblerPath) && fs.Exists(context.linkerPath);
}

// The registry's Keil installation: BIN31, then BIN40. False when the registry names no
// installation; otherwise *directory is the tool directory found (or the preference one).
bool UseRegistryInstallation(ProjectContext& context, std::string* directory) {
  std::string root = FindKeilRoot();
  if (root.empty()) return false;
  for (const char* bin : {"ARM\\BIN31", "ARM\\BIN40"}) {
    UseToolDirectory(context, root + bin);
    if (context.fileSystem->Exists(context.compilerPath)) {
      *directory = context.toolDirectory;
      return true;
    }
  }
  context.toolChainFound = 0;
  return true;
}

// Folders below the installation that holds the tool directory.
void DeriveFolders(ProjectContext& context, const std::string& toolDirectory) {
  size_t slash = toolDirectory.rfind('\\');
  std::string base = slash == std::string::npos ? "" : toolDirectory.substr(0, slash + 1);
  context.libraryDirectory = base + "RV31\\LIB";
  context.startupFile =
      FindStartupFile(TextOf(context.deviceRecord.vendor), TextOf(context.deviceRecord.name), base + "Startup");
  context.compilerIncludeDirectory = base + "RV31\\INC";
  context.deviceHeaderPath = DeviceRegisterDirectory(base + "INC");
  context.deviceIncludeDirectory = base + "INC";
  std::string cmsis = base + "CMSIS\\Include";
  bool cortexM = IsCortexM(context.deviceRecord.information);
  context.cmsisIncludeDirectory = cortexM && context.fileSystem->Exists(cmsis) ? cmsis : "";
}

// The device for the tools: "--cpu" for compilers that passed the probe, else the
// device name from the simulator line for older ones.
void ChooseDeviceOptions(ProjectContext& context, int probe) {
  if (probe == 1) {
    context.deviceOption = "";
    context.cpuOption = DeviceCpuOption(&context.deviceRecord);
    return;
  }
  context.cpuOption = "";
  const char* simulator = FindPrefixedEntry(&context.deviceRecord, "SIM");
  std::string device = simulator ? "D" + TextBetween(TextBetween(simulator, ' ', '('), 'D', '.') : "";
  context.deviceOption = device == "D" ? "" : device;
}

int DiscoverToolChain(ProjectContext& context, const HostInfo& info) {
  std::string preferred = FindToolDirectory(context.rootDirectory, "ZRT", TextOf(info.toolChainEntry));
  UseToolDirectory(context, preferred);
  std::string directory = preferred;
  int probe = 0;
  if (AllToolsExist(context)) {
    context.toolChainFound = 1;
    probe = ProbeCompiler(context.compilerPath);
  } else if (!UseRegistryInstallation(context, &directory)) {
    context.toolChainFound = 0;
    context.configurations.clear();
    context.files.clear();
    return 0;
  }
  DeriveFolders(context, directory);
  ChooseDeviceOptions(context, probe);
  context.configurations.clear();
  context.files.clear();
  return 1;
}

}  // namespace

int InitializeContext(const HostInfo& info) {
  ProjectContext& context = Context();
  context.projectPath = TextOf(info.projectPath);
  context.projectName = ProjectNameOf(context.projectPath);
  context.rootDirectory = TextOf(info.installDirectory);
  if (info.deviceRecord) context.deviceRecord = *info.deviceRecord;
  if (info.deviceBlock) std::memcpy(context.deviceBlock.data(), info.deviceBlock, kDeviceBlockSize);
  if (info.cpuClock) context.cpuClock = *info.cpuClock;
  if (info.hostStructure == nullptr) return 0;
  return DiscoverToolChain(context, info);
}

}  // namespace zrt
