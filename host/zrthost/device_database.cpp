#include "host/zrthost/device_database.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "host/zrthost/paths.h"
#include "platform/code_page.h"

namespace zrt::zrthost {
namespace {

constexpr size_t kMaxLineLength = 4096;

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// True when the first n bytes of a and b are equal ignoring ASCII case.
bool SamePrefixIgnoringCase(const char* a, const char* b, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    if (a[i] == '\0') return true;
  }
  return true;
}

}  // namespace

bool DeviceDatabase::Load(const std::string& path, std::string* error) {
  std::ifstream in(FsPath(path), std::ios::binary);
  if (!in) {
    *error = path + ": cannot open the device file";
    return false;
  }
  return Parse(path, in, error);
}

bool DeviceDatabase::Parse(const std::string& path, std::istream& in, std::string* error) {
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    auto fail = [&](const std::string& why) {
      *error = path + ":" + std::to_string(number) + ": " + why;
      return false;
    };
    if (line.size() > kMaxLineLength) return fail("line longer than " + std::to_string(kMaxLineLength) + " bytes");
    // Device records hold C strings: a NUL byte would cut a name or line short.
    if (line.find('\0') != std::string::npos) return fail("a NUL byte in the line");
    line = Trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      size_t bar = line.find('|');
      if (line.back() != ']' || bar == std::string::npos || bar == 1 || bar + 2 == line.size()) {
        return fail("a device opens with [VENDOR|DEVICE]");
      }
      auto device = std::make_unique<Device>();
      device->vendor = platform::Utf8ToAnsi(line.substr(1, bar - 1));
      device->name = platform::Utf8ToAnsi(line.substr(bar + 1, line.size() - bar - 2));
      devices_.push_back(std::move(device));
      continue;
    }
    if (devices_.empty()) return fail("a description line before the first [VENDOR|DEVICE]");
    devices_.back()->lines.push_back(platform::Utf8ToAnsi(line));
  }
  for (auto& device : devices_) {
    for (const std::string& text : device->lines) device->information.push_back(text.c_str());
    device->information.push_back(nullptr);
    device->record = DeviceRecord{device->vendor.c_str(), device->name.c_str(), nullptr, device->information.data(),
                                  device->name.c_str()};
  }
  return true;
}

const DeviceRecord* DeviceDatabase::Find(const std::string& name) const {
  for (const auto& device : devices_) {
    if (device->name == name) return &device->record;
  }
  for (const auto& device : devices_) {
    if (name.size() == device->name.size() && SamePrefixIgnoringCase(name.c_str(), device->name.c_str(), name.size())) return &device->record;
  }
  return nullptr;
}

std::vector<const DeviceRecord*> DeviceDatabase::All() const {
  std::vector<const DeviceRecord*> all;
  for (const auto& device : devices_) all.push_back(&device->record);
  return all;
}

double DeviceDatabase::ClockMhz(const DeviceRecord* record) {
  if (record == nullptr) return 0;
  for (const char* const* line = record->information; *line; ++line) {
    if (!SamePrefixIgnoringCase(*line, "CPU", 3)) continue;
    const char* clock = std::strstr(*line, "CLOCK(");
    return clock ? static_cast<double>(std::strtoul(clock + 6, nullptr, 0)) * 0.000001 : 0;
  }
  return 0;
}

}  // namespace zrt::zrthost
