// POSIX has no host window: messages are recorded for tests to read.
#include "platform/host_window.h"

namespace zrt::platform {

bool SendCopyData(void* window, uintptr_t dataKind, const std::string& data) {
  RecordedCopyDataMessages().push_back(CopyDataMessage{window, dataKind, data});
  return true;
}

bool BringWindowToFront(void*) { return true; }

std::vector<CopyDataMessage>& RecordedCopyDataMessages() {
  static std::vector<CopyDataMessage> messages;
  return messages;
}

}  // namespace zrt::platform
