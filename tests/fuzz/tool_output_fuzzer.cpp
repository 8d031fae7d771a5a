// Feeds arbitrary tool output through ParseToolOutput in every mode.
#include <cstddef>
#include <cstdint>
#include <string>

#include "src/build/tool_output.h"
#include "src/core/interface_table.h"
#include "src/core/project_context.h"

namespace {

size_t g_writtenBytes = 0;

void WriteOutput(const char* text, int) {
  for (const char* p = text; *p; ++p) ++g_writtenBytes;  // touch every byte written
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zrt::Interface().WriteOutput = WriteOutput;
  zrt::Context().projectPath = "fuzz\\project.orbproj";
  std::string text(reinterpret_cast<const char*>(data), size);  // NUL-terminated copy
  for (int mode = 0; mode <= 2; ++mode) {
    int warnings = 0;
    int errors = zrt::ParseToolOutput(text.c_str(), static_cast<int>(text.size()), mode, &warnings);
    if (errors < 0 || warnings < 0) __builtin_trap();
  }
  return 0;
}
