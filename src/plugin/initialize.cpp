#include "src/plugin/initialize.h"

#include <cstring>

#include "src/plugin/project_context.h"

namespace zrt {
namespace {

// File title of the project path without its extension; "unkown" without a ".".
std::string ProjectNameOf(const std::string& path) {
  size_t slash = path.rfind('\\');
  std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = title.rfind('.');
  return dot == std::string::npos ? "unkown" : title.substr(0, dot);
}

// The tool-chain sources (host preferences, then the registry) are not searched yet:
// the outcome is that of a machine where neither names a tool chain.
int DiscoverToolChain(ProjectContext& context) {
  context.toolChainFound = 0;
  context.configurations.clear();
  context.files.clear();
  return 0;
}

}  // namespace

HostInfo& HostInfoCopy() {
  static HostInfo copy{};
  return copy;
}

int InitializeContext(const HostInfo& info) {
  ProjectContext& context = Context();
  context.projectPath = info.projectPath ? info.projectPath : "";
  context.projectName = ProjectNameOf(context.projectPath);
  context.rootDirectory = info.installDirectory ? info.installDirectory : "";
  if (info.deviceRecord) context.deviceRecord = *info.deviceRecord;
  if (info.deviceBlock) std::memcpy(context.deviceBlock.data(), info.deviceBlock, kDeviceBlockSize);
  if (info.cpuClock) context.cpuClock = *info.cpuClock;
  if (info.hostStructure == nullptr) return 0;
  return DiscoverToolChain(context);
}

}  // namespace zrt
