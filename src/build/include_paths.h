// Enumerating the include folders of the current configuration for the host.
#pragma once

namespace zrt {

// first not 0: builds the list (the configuration's Inc, the compiler include folder, the
// CMSIS folder, the device header folder, the preference entry's include folders) and
// answers its first entry; first 0: answers the next. 1 with the entry written to buffer
// (cut to size - 1 bytes and NUL-terminated; empty entries are answered too), 0 at the
// end or when there is no configuration.
int NextIncludePath(char* buffer, unsigned size, int first);

}  // namespace zrt
