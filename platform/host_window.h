// Messages to the host's main window: WM_COPYDATA and bringing it to the front. On POSIX
// there is no window; the messages are recorded so tests can read them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zrt::platform {

struct CopyDataMessage {
  void* window;
  uintptr_t dataKind;  // COPYDATASTRUCT.dwData
  std::string data;    // the bytes sent (cbData bytes of lpData)
};

// Sends WM_COPYDATA to window; false when it could not be delivered.
bool SendCopyData(void* window, uintptr_t dataKind, const std::string& data);
// Brings window to the front; false when there is no such window.
bool BringWindowToFront(void* window);
// Messages recorded by the POSIX implementation (empty on Windows). Exposed for testing.
std::vector<CopyDataMessage>& RecordedCopyDataMessages();

}  // namespace zrt::platform
