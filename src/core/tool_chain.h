// Finding the ARM tools: the host's preference entries, the registry, the compiler probe.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "src/core/abi.h"

namespace zrt {

// One tool-chain entry of the host's preferences: name, two kept fields, include
// directories ("?"-separated), candidate tool directories ("?"-separated), a kept field.
struct ToolChainRecord {
  std::array<std::string, 6> fields;
  const std::string& name() const { return fields[0]; }
  const std::string& includeDirectories() const { return fields[3]; }
  const std::string& toolDirectories() const { return fields[4]; }
};

// The entries of a preference text: entries separated by "*", fields by "|".
std::vector<ToolChainRecord> ParseToolChainEntries(const std::string& text);
// The entry named entryName from the library's "ToolChain" group under key, else its first
// entry; the empty record when the library or the text is missing.
ToolChainRecord ReadToolChainRecord(const std::string& libraryPath, const std::string& entryName,
                                    const std::string& key);
// The last candidate directory of the selected entry that holds "armcc.exe"; "" when none.
std::string FindToolDirectory(const std::string& rootDirectory, const std::string& key, const std::string& entryName);
// The Keil installation root from the registry's uVision open command, ending in '\'; "".
std::string FindKeilRoot();
// 1 when "<compiler> --cpu list" exits with 0 and prints no "error".
int ProbeCompiler(const std::string& compilerPath);
// directory (or the device include directory when empty), plus the register file folder
// from the "REGFILE" entry of device (by default the project's device).
std::string DeviceRegisterDirectory(const std::string& directory, const DeviceRecord* device);
std::string DeviceRegisterDirectory(const std::string& directory);
// The text strictly between the first first and the next second after it; "" when missing.
std::string TextBetween(const std::string& text, char first, char second);
// The selected entry's include directories, ";"-separated; "" when none.
std::string ExtraIncludeDirectories();

}  // namespace zrt
