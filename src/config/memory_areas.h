// Memory area descriptors: the ROM and RAM areas of XROM, XRAM (three each), IROM and
// IRAM (two each), and the on-chip areas derived from the device's "CPU" line.
#pragma once

#include <cstdint>
#include <string>

namespace zrt {

// One ROM or RAM area.
struct MemoryArea {
  int enabled = 0;
  uint32_t start = 0;
  uint32_t size = 0;
  int flag = 0;  // ROM: holds the reset entry; RAM: no-init area
};

constexpr int kExternalAreaCount = 3;  // XROM, XRAM
constexpr int kOnChipAreaCount = 2;    // IROM, IRAM

// Reads count areas "%d,%x,%x,%d" joined by "#" into areas; fields that cannot be read
// keep their values. Answers the number of fields read (4 per complete area).
int ReadMemoryAreas(const char* text, MemoryArea* areas, int count);
// count areas "%d,0x%08x,0x%08x,%d" joined by "#", as the Target page writes them.
std::string FormatMemoryAreas(const MemoryArea* areas, int count);

// True when one of the XROM areas in text has its startup flag set.
bool HasExternalStartupArea(const char* xromText);

// The IROM or IRAM value (key) for a device whose "CPU" line is cpuLine: the key's
// "start-end" entry as one area, the startup flag only for IROM without an external
// startup area; "0,0,0,0#0,0,0,0" when the line (or the entry) is missing or empty.
std::string DeviceMemoryAreas(const char* cpuLine, const char* key, bool externalStartup);

}  // namespace zrt
