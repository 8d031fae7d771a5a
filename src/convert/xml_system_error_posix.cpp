#include <cerrno>
#include <cstring>

#include "src/convert/xml_system_error.h"

namespace zrt::xml {

std::string LastSystemErrorText() { return std::strerror(errno); }

}  // namespace zrt::xml
