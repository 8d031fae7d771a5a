// NodeText helpers: texts owned by host nodes, stored on the shared process heap.
#pragma once

#include <string_view>

#include "src/core/abi.h"

namespace zrt {

// The text, "" when it is empty.
const char* TextOf(const NodeText& text);
// The text as a view; empty when unset. (Inline: attribute lookups call these for every
// attribute they pass.)
inline std::string_view ViewOf(const NodeText& text) {
  return text.length != 0 && text.data ? std::string_view(text.data, text.length) : std::string_view();
}
// True when the text equals value byte for byte (an empty text equals "").
inline bool TextEquals(const NodeText& text, std::string_view value) { return ViewOf(text) == value; }
// Replaces the text; an empty value empties it. False (text unchanged) when memory runs out.
bool AssignText(NodeText* text, std::string_view value);
// Frees the text's storage and sets all three fields to 0.
void ClearText(NodeText* text);

}  // namespace zrt
