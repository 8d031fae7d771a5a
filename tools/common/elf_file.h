// The 32-bit ARM ELF files the emulator writes: objects (a file header and a payload,
// no sections) and images (one loadable segment per load region, and a section per
// segment that carries the region's name).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zrt::tools {

// One loadable part of an image.
struct ImageSegment {
  std::string name;          // the execution region's name
  uint32_t loadAddress = 0;  // where the bytes are stored (HEX and BIN use this)
  uint32_t execAddress = 0;  // where they run
  std::string bytes;
  uint32_t memorySize = 0;  // bytes plus zero-initialised memory
};

// An executable image.
struct ElfImage {
  bool bigEndian = false;
  uint32_t entry = 0;
  std::vector<ImageSegment> segments;
};

// A relocatable object: the ELF header followed by payload.
std::string MakeObjectFile(const std::string& payload, bool bigEndian);
// An executable image file.
std::string MakeImageFile(const ElfImage& image);
// Reads the loadable segments of a 32-bit ELF executable; false with *reason when
// content is not one or a header points outside it.
bool ReadImageFile(const std::string& content, ElfImage* image, std::string* reason);

}  // namespace zrt::tools
