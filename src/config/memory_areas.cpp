#include "src/config/memory_areas.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "src/config/device_description.h"
#include "src/config/section_values.h"
#include "src/config/value_scanner.h"

namespace zrt {
namespace {

constexpr char kNoOnChipAreas[] = "0,0,0,0#0,0,0,0";

std::string OnChipAreas(const char* format, uint32_t start, uint32_t size) {
  char text[64];
  std::snprintf(text, sizeof text, format, start, size);
  return text;
}

}  // namespace

int ReadMemoryAreas(const char* text, MemoryArea* areas, int count) {
  std::string format;
  std::vector<ScanTarget> targets;
  for (int i = 0; i < count; ++i) {
    format += i ? "#%d,%x,%x,%d" : "%d,%x,%x,%d";
    targets.insert(targets.end(), {&areas[i].enabled, &areas[i].start, &areas[i].size, &areas[i].flag});
  }
  return ScanValue(text, format.c_str(), targets);
}

std::string FormatMemoryAreas(const MemoryArea* areas, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    char area[64];
    std::snprintf(area, sizeof area, "%s%d,0x%08x,0x%08x,%d", i ? "#" : "", areas[i].enabled,
                  static_cast<unsigned>(areas[i].start), static_cast<unsigned>(areas[i].size), areas[i].flag);
    text += area;
  }
  return text;
}

bool HasExternalStartupArea(const char* xromText) {
  MemoryArea areas[kExternalAreaCount];
  ReadMemoryAreas(xromText, areas, kExternalAreaCount);
  for (const MemoryArea& area : areas) {
    if (area.flag != 0) return true;
  }
  return false;
}

std::string DeviceMemoryAreas(const char* cpuLine, const char* key, bool externalStartup) {
  std::optional<std::string> range = CpuEntryValue(cpuLine, key);
  if (!range || range->empty()) return kNoOnChipAreas;
  size_t dash = range->find('-');
  uint32_t start = 0, end = 0;
  ReadAddress(range->substr(0, dash).c_str(), &start);
  uint32_t size = 0;
  if (dash != std::string::npos) {
    ReadAddress(range->c_str() + dash + 1, &end);
    size = end + 1 - start;
  }
  if (size == 0) return OnChipAreas("0,0x%08x,0x%08x,10#0,0,0,0", start, 0);
  if (std::strcmp(key, "IROM") == 0 && !externalStartup) return OnChipAreas("1,0x%08x,0x%08x,1#0,0,0,0", start, size);
  return OnChipAreas("1,0x%08x,0x%08x,0#0,0,0,0", start, size);
}

}  // namespace zrt
