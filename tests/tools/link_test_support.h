// Inputs shared by the linker and converter tests: objects of known sizes.
#pragma once

#include <string>

namespace zrt::tools::testing {

// 1000 bytes: Code=500 RO-data=128 RW-data=32 ZI-data=252.
inline std::string ObjectA() { return std::string(1000, 'a'); }
// 2000 bytes: Code=1000 RO-data=252 RW-data=64 ZI-data=500.
inline std::string ObjectB() { return std::string(2000, 'b'); }

}  // namespace zrt::tools::testing
