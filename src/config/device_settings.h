// Writing a device's derived values into a configuration: when the user chooses a device
// on the Device page, and when a configuration was derived for another device.
#pragma once

#include <string>
#include <vector>

#include "src/core/abi.h"

namespace zrt {

// The device last chosen on the Device page, kept as a copy of its texts.
class DeviceSelection {
 public:
  DeviceSelection() = default;
  DeviceSelection(const DeviceSelection&) = delete;
  DeviceSelection& operator=(const DeviceSelection&) = delete;

  // Keeps a copy of device's texts and lines.
  void Remember(const DeviceRecord& device);
  // Forgets the chosen device.
  void Clear();
  // The chosen device; null before any choice.
  const DeviceRecord* Record() const { return chosen_ ? &record_ : nullptr; }

 private:
  std::string vendor_;
  std::string name_;
  std::string selectionKey_;
  std::vector<std::string> lines_;
  std::vector<const char*> linePointers_;
  DeviceRecord record_{};
  bool chosen_ = false;
};

// The process-wide choice.
DeviceSelection& SelectedDevice();

// The description lines the pages test: the chosen device's, else the project's device's.
const char* const* PageDeviceLines();

// Writes the device chosen on the Device page into the settings sheet's configuration
// copy: remembers the device for the pages, sets the device header path from its
// register file, then VENDOR, DEVICE, CLK, IROM (with the startup flag), IRAM and OldCPU.
// A null device or copy does nothing.
void ApplySelectedDevice(HostNode* configurationCopy, const DeviceRecord* selected);

// When configuration's OldCPU is present and names another device than the project's,
// derives IROM (startup flag unless externalStartup), IRAM, OldCPU and CLK again from the
// project's device and commits them through the host. Nothing without a project device
// name.
void RefreshDeviceMemory(HostNode* configuration, bool externalStartup);

}  // namespace zrt
