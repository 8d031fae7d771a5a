// The device database file: the microcontrollers a project can be made for, each handed
// to the plug-in as a device record (HostInfo word 6).
//
// Format (UTF-8 text): a line "[VENDOR|DEVICE]" opens a device; each following non-blank
// line is one of its description lines ("CPU IRAM(...) IROM(...) CLOCK(...) CPUTYPE(...)",
// "REGFILE(...)", "SIM: ...", ...). Blank lines and lines starting with '#' are skipped.
#pragma once

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "src/core/abi.h"

namespace zrt::zrthost {

class DeviceDatabase {
 public:
  // Reads a device file; false with *error ("PATH:LINE: why") when it cannot be read or a
  // line is malformed.
  bool Load(const std::string& path, std::string* error);
  // The same for a device file's content; name stands for the path in *error.
  bool Parse(const std::string& name, std::istream& in, std::string* error);

  // The device named name (exact, or ignoring case when no exact match); null when none.
  const DeviceRecord* Find(const std::string& name) const;
  // Every device, in file order.
  std::vector<const DeviceRecord*> All() const;
  // The CPU clock in MHz from a record's CLOCK entry; 0 when it has none.
  static double ClockMhz(const DeviceRecord* record);

 private:
  struct Device {
    std::string vendor, name;
    std::vector<std::string> lines;
    std::vector<const char*> information;
    DeviceRecord record{};
  };
  std::vector<std::unique_ptr<Device>> devices_;
};

}  // namespace zrt::zrthost
