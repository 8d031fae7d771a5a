// Reads arbitrary bytes as the tool emulator's outside inputs: as a scatter-loading
// description (then places modules into whatever it describes) and as a library.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/archive.h"
#include "tools/common/image_layout.h"
#include "tools/common/scatter_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  zrt::tools::ScatterDescription description;
  zrt::tools::ScatterError error;
  if (zrt::tools::ParseScatterFile(input, &description, &error)) {
    std::vector<zrt::tools::ModuleSizes> modules = {zrt::tools::SizesOfModule("main.o", size),
                                                    zrt::tools::SizesOfModule("startup.o", 4096),
                                                    zrt::tools::SizesOfModule("big.o", 0xFFFFFFFFull)};
    zrt::tools::PlaceModules(description, modules);
  }
  uint32_t number = 0;
  zrt::tools::ParseScatterNumber(input, &number);
  std::vector<zrt::tools::ArchiveMember> members;
  std::string reason;
  if (zrt::tools::IsArchive(input)) zrt::tools::ReadArchive(input, &members, &reason);
  return 0;
}
