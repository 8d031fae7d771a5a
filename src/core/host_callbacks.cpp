#include "src/core/host_callbacks.h"

#include <cstring>

#include "src/core/interface_table.h"

namespace zrt::host {

void CommitNode(HostNode* target, HostNode* modifiedCopy) {
  if (auto commit = Interface().CommitNode) commit(target, modifiedCopy);
}

HostNode* CreateChildNode(HostNode* owner, const char* elementName, const char* name) {
  auto create = Interface().CreateChildNode;
  return create ? create(owner, elementName, name) : nullptr;
}

void RemoveChild(HostNode* parent, HostNode* child) {
  if (auto remove = Interface().RemoveChild) remove(parent, child);
}

int RunCommand(const char* commandLine, const char* workingDirectory, char* output, int outputSize,
               int* exitCode) {
  if (output != nullptr && outputSize > 0) std::memset(output, 0, static_cast<size_t>(outputSize));
  if (exitCode != nullptr) *exitCode = 0;
  auto run = Interface().RunCommand;
  return run ? run(commandLine, workingDirectory, output, outputSize, exitCode) : 0;
}

void WriteOutput(const char* text) {
  if (auto write = Interface().WriteOutput) write(text, 0);
}

void ClearOutput() {
  if (auto clear = Interface().ClearOutput) clear();
}

void NotifySettingsChange(const DeviceRecord* device) {
  if (auto notify = Interface().NotifySettingsChange) notify(device);
}

}  // namespace zrt::host
