// Reads arbitrary bytes as a compiler dependency file through NextDependency, with
// buffers of every small size: entries must come out NUL-terminated and within bounds.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "src/build/dependency_reader.h"
#include "src/core/project_context.h"
#include "tests/host/host_tree.h"
#include "tests/core/fake_file_system.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  unsigned bufferSize = data[0] % 64;  // 0 to 63 bytes, so long entries get cut
  zrt::testing::FakeFileSystem files;
  files.contents[".\\Target\\main.d"] = std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
  zrt::Context() = zrt::ProjectContext{};
  zrt::Context().fileSystem = &files;
  zrt::Context().currentConfigurationName = "Target";
  HostNode* file = zrt::testhost::NewNode("File");
  zrt::testhost::SetValue(file, "RelativePath", ".\\src\\main.c");
  zrt::testhost::SetValue(file, "Output", "main.o");
  zrt::Context().files.push_back(file);

  std::vector<char> buffer(bufferSize + 1, 'x');  // one guard byte past the end
  for (int more = zrt::NextDependency("main.c", buffer.data(), bufferSize, 1); more;
       more = zrt::NextDependency("main.c", buffer.data(), bufferSize, 0)) {
    Check(buffer[bufferSize] == 'x');
    Check(bufferSize == 0 || std::memchr(buffer.data(), '\0', bufferSize) != nullptr);
  }
  zrt::testhost::DeleteNode(file);
  zrt::Context() = zrt::ProjectContext{};
  return 0;
}
