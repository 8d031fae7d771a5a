// Feeds arbitrary bytes to zrthost's readers of outside files: the project file (first
// byte even) and the device database (first byte odd). Nothing may crash or read out of
// bounds; a project that loads must save into a text that loads back into the same
// text, and every device read must be found again by its name.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "host/nodes/node_tree.h"
#include "host/zrthost/device_database.h"
#include "host/zrthost/project_file.h"

namespace {

void CheckProjectRoundTrip(const std::string& content) {
  std::string error;
  HostNode* root = zrt::zrthost::ParseProjectText("fuzz.orbproj", content, &error);
  if (root == nullptr) return;
  std::string saved = zrt::zrthost::ProjectFileText(root);
  zrt::hostnodes::DeleteNode(root);
  HostNode* again = zrt::zrthost::ParseProjectText("saved.orbproj", saved, &error);
  if (again == nullptr || zrt::zrthost::ProjectFileText(again) != saved) std::abort();
  zrt::hostnodes::DeleteNode(again);
}

void CheckDevices(const std::string& content) {
  zrt::zrthost::DeviceDatabase devices;
  std::istringstream in(content);
  std::string error;
  if (!devices.Parse("fuzz.txt", in, &error)) return;
  for (const DeviceRecord* record : devices.All()) {
    const DeviceRecord* found = devices.Find(record->name);
    if (found == nullptr || std::strcmp(found->name, record->name) != 0) std::abort();
    if (!std::isfinite(zrt::zrthost::DeviceDatabase::ClockMhz(record))) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] % 2 == 0) {
    CheckProjectRoundTrip(content);
  } else {
    CheckDevices(content);
  }
  return 0;
}
