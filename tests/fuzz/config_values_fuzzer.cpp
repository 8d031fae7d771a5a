// Feeds arbitrary stored values through every section value reader and arbitrary device
// description lines through the device readers; values that read completely must read
// back the same after being written again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "src/config/device_description.h"
#include "src/config/memory_areas.h"
#include "src/config/section_values.h"
#include "src/config/value_scanner.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void ReadSectionValues(const char* text) {
  int flags[9] = {};
  if (zrt::ReadFlags(text, flags, 9) == 9) {
    int again[9] = {};
    Check(zrt::ReadFlags(zrt::FormatFlags(flags, 9).c_str(), again, 9) == 9);
    for (int i = 0; i < 9; ++i) Check(again[i] == flags[i]);
  }
  zrt::MemoryArea areas[zrt::kExternalAreaCount];
  if (zrt::ReadMemoryAreas(text, areas, zrt::kExternalAreaCount) == 4 * zrt::kExternalAreaCount) {
    zrt::MemoryArea again[zrt::kExternalAreaCount];
    std::string written = zrt::FormatMemoryAreas(areas, zrt::kExternalAreaCount);
    Check(zrt::ReadMemoryAreas(written.c_str(), again, zrt::kExternalAreaCount) == 4 * zrt::kExternalAreaCount);
    for (int i = 0; i < zrt::kExternalAreaCount; ++i) Check(again[i].start == areas[i].start && again[i].size == areas[i].size);
  }
  zrt::HasExternalStartupArea(text);
  zrt::UserCommand pair[2];
  if (zrt::ReadUserCommands(text, pair) == 4) {
    zrt::UserCommand again[2];
    Check(zrt::ReadUserCommands(zrt::FormatUserCommands(pair).c_str(), again) == 4);
    Check(again[0].command == pair[0].command && again[1].command == pair[1].command);
  }
  zrt::ReadFlaggedPath(text);
  zrt::LinkerCode code;
  zrt::ReadLinkerCode(text, &code);
  uint32_t address = 0;
  zrt::ReadAddress(text, &address);
  zrt::ReadAssemblerListing(text);
  zrt::SimulatorDebug simulator;
  zrt::ReadSimulatorDebug(text, &simulator);
  zrt::HardwareDebug hardware;
  zrt::ReadHardwareDebug(text, &hardware);
  zrt::DriverChoice driver;
  zrt::ReadDriverChoice(text, &driver);
}

// The input's lines as a device's description lines.
void ReadDeviceLines(const std::string& input) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = input.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(input.substr(start, end - start));
  }
  lines.push_back(input.substr(start));
  std::vector<const char*> pointers;
  for (const std::string& line : lines) pointers.push_back(line.c_str());
  pointers.push_back(nullptr);
  DeviceRecord device{"vendor", "device", nullptr, pointers.data(), "key"};
  zrt::DeviceCpuOption(&device);
  zrt::IsCortexM(device.information);
  zrt::GetClockHz(&device);
  const char* cpuLine = zrt::FindCpuLine(device.information);
  zrt::DeviceMemoryAreas(cpuLine, "IROM", false);
  zrt::DeviceMemoryAreas(cpuLine, "IRAM", true);
}

// The first line as a format, the rest as the text it reads.
void ScanWithInputFormat(const std::string& input) {
  size_t newline = input.find('\n');
  if (newline == std::string::npos) return;
  std::string format = input.substr(0, newline);
  int a = 0, b = 0;
  uint32_t x = 0;
  std::string s, t;
  zrt::ScanValue(input.c_str() + newline + 1, format.c_str(), {&a, &x, &s, &b, &t, &a, &x, &s});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);  // NUL-terminated copy
  ReadSectionValues(input.c_str());
  ReadDeviceLines(input);
  ScanWithInputFormat(input);
  return 0;
}
