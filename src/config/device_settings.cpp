#include "src/config/device_settings.h"

#include <cstring>

#include "src/config/device_description.h"
#include "src/config/memory_areas.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"
#include "src/core/text_utilities.h"
#include "src/core/tool_chain.h"

namespace zrt {
namespace {

std::string TextOf(const char* text) { return text ? text : ""; }

}  // namespace

void DeviceSelection::Remember(const DeviceRecord& device) {
  if (&device == &record_) return;  // already this copy
  vendor_ = TextOf(device.vendor);
  name_ = TextOf(device.name);
  selectionKey_ = TextOf(device.selectionKey);
  lines_.clear();
  for (const char* const* line = device.information; line && *line; ++line) lines_.emplace_back(*line);
  linePointers_.clear();
  for (const std::string& line : lines_) linePointers_.push_back(line.c_str());
  linePointers_.push_back(nullptr);
  record_ = DeviceRecord{vendor_.c_str(), name_.c_str(), device.reserved, linePointers_.data(), selectionKey_.c_str()};
  chosen_ = true;
}

void DeviceSelection::Clear() {
  lines_.clear();
  linePointers_.clear();
  record_ = DeviceRecord{};
  chosen_ = false;
}

DeviceSelection& SelectedDevice() {
  static DeviceSelection selection;
  return selection;
}

const char* const* PageDeviceLines() {
  const DeviceRecord* chosen = SelectedDevice().Record();
  return chosen ? chosen->information : Context().deviceRecord.information;
}

void ApplySelectedDevice(HostNode* configurationCopy, const DeviceRecord* selected) {
  if (configurationCopy == nullptr || selected == nullptr) return;
  SelectedDevice().Remember(*selected);
  const DeviceRecord& device = *SelectedDevice().Record();
  Context().deviceHeaderPath = DeviceRegisterDirectory("", &device);
  SetAttribute(configurationCopy, "VENDOR", device.vendor);
  SetAttribute(configurationCopy, "DEVICE", device.name);
  SetAttributeDouble(configurationCopy, "CLK", GetClockHz(&device) * 0.000001);
  const char* cpuLine = FindCpuLine(device.information);
  SetAttribute(configurationCopy, "IROM", DeviceMemoryAreas(cpuLine, "IROM", false).c_str());
  SetAttribute(configurationCopy, "IRAM", DeviceMemoryAreas(cpuLine, "IRAM", false).c_str());
  SetAttribute(configurationCopy, "OldCPU", device.name);
}

void RefreshDeviceMemory(HostNode* configuration, bool externalStartup) {
  const DeviceRecord& device = Context().deviceRecord;
  const char* oldCpu = GetAttribute(configuration, "OldCPU");
  if (device.name == nullptr || *device.name == '\0' || oldCpu == nullptr || std::strcmp(oldCpu, device.name) == 0) {
    return;
  }
  HostNode* copy = CloneNode(configuration);
  if (copy == nullptr) return;
  const char* cpuLine = FindCpuLine(device.information);
  SetAttribute(copy, "IROM", DeviceMemoryAreas(cpuLine, "IROM", externalStartup).c_str());
  SetAttribute(copy, "IRAM", DeviceMemoryAreas(cpuLine, "IRAM", externalStartup).c_str());
  SetAttribute(copy, "OldCPU", device.name);
  SetAttributeDouble(copy, "CLK", Context().cpuClock);
  host::CommitNode(configuration, copy);
  DestroyNode(copy);
}

}  // namespace zrt
