#include "src/config/device_description.h"

#include <cctype>
#include <cstring>

#include "src/config/value_scanner.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

const char* const* LinesOf(const DeviceRecord* device) { return device ? device->information : nullptr; }

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The CPUTYPE value; the whole "CPU" line when it has no CPUTYPE entry; "" without a line.
std::string CpuTypeValue(const char* const* lines) {
  const char* line = FindCpuLine(lines);
  if (line == nullptr) return std::string();
  std::optional<std::string> value = CpuEntryValue(line, "CPUTYPE");
  return value ? *value : std::string(line);
}

}  // namespace

const char* FindCpuLine(const char* const* lines) {
  DeviceRecord record{};
  record.information = lines;
  return FindPrefixedEntry(&record, "CPU");
}

std::optional<std::string> CpuEntryValue(const char* line, const char* name) {
  const char* found = line && name ? std::strstr(line, name) : nullptr;
  const char* open = found ? std::strchr(found + std::strlen(name), '(') : nullptr;
  if (open == nullptr) return std::nullopt;
  const char* close = std::strchr(open + 1, ')');
  return close ? std::string(open + 1, close) : std::string();
}

std::string DeviceCpuOption(const DeviceRecord* device) {
  std::string value = CpuTypeValue(LinesOf(device));
  const char* line = FindCpuLine(LinesOf(device));
  if (!Contains(value, "Cortex-M4") || line == nullptr || std::strstr(line, "FPU2") == nullptr) return value;
  // A quoted name keeps its closing quote last: "Cortex-M4" becomes "Cortex-M4.fp".
  size_t end = !value.empty() && value.back() == '"' ? value.size() - 1 : value.size();
  return value.insert(end, ".fp");
}

bool IsCortexM(const char* const* lines) {
  // "Cortex-M3", quoted or not, is covered by the lower-case test as well.
  std::string value = CpuTypeValue(lines);
  for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Contains(value, "cortex-m");
}

unsigned GetClockHz(const DeviceRecord* device) {
  std::optional<std::string> value = CpuEntryValue(FindCpuLine(LinesOf(device)), "CLOCK");
  int hz = 0;
  if (value) ScanValue(value->c_str(), "%i", {&hz});
  return hz > 0 ? static_cast<unsigned>(hz) : 0u;
}

}  // namespace zrt
