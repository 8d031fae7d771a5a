// The project tree printed for people (indented, one attribute a line) or for tools (JSON).
#pragma once

#include <string>

#include "src/core/abi.h"

namespace zrt::zrthost {

// Each node as its element name (and "Name" in quotes), its other attributes below it as
// "key = value", children indented; texts in UTF-8.
std::string TreeAsText(const HostNode* root);
// The tree as JSON: {"element": NAME, "attributes": {...in order}, "children": [...]}.
std::string TreeAsJson(const HostNode* root);

}  // namespace zrt::zrthost
