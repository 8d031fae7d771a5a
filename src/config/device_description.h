// What the plug-in reads from a device record: the "CPU" description line and its
// NAME(value) entries, the CPU option, the Cortex-M test and the clock.
#pragma once

#include <optional>
#include <string>

#include "src/core/abi.h"

namespace zrt {

// The first description line beginning with "CPU" (any case); null when none or no lines.
const char* FindCpuLine(const char* const* lines);

// The value of entry name in line: the text between the next "(" after the name and the
// following ")" ("" when no ")" follows). Nothing when line is null, the name does not
// occur or no "(" follows it.
std::optional<std::string> CpuEntryValue(const char* line, const char* name);

// The value for the tools' "--cpu" option: the CPUTYPE value (the whole "CPU" line
// without one, "" without a "CPU" line), with ".fp" for a Cortex-M4 whose line names
// "FPU2".
std::string DeviceCpuOption(const DeviceRecord* device);

// True when the description lines describe a Cortex-M device.
bool IsCortexM(const char* const* lines);

// The CLOCK entry in Hz (read as "%i"); 0 without one, for a negative or unreadable value.
unsigned GetClockHz(const DeviceRecord* device);

}  // namespace zrt
