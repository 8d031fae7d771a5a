#include "platform/system_error.h"

#include <cerrno>
#include <cstring>

namespace zrt::platform {

std::string LastSystemErrorText() { return std::strerror(errno); }

}  // namespace zrt::platform
