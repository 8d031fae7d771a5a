// JSON string literals for zrthost's machine-readable output.
#pragma once

#include <string>

namespace zrt::zrthost {

// text (UTF-8) as a quoted JSON string: '"', '\' and control characters escaped.
std::string JsonString(const std::string& text);

}  // namespace zrt::zrthost
