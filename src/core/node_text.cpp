#include "src/core/node_text.h"

#include <cstring>

#include "platform/heap.h"

namespace zrt {

const char* TextOf(const NodeText& text) { return text.length != 0 && text.data ? text.data : ""; }

bool AssignText(NodeText* text, std::string_view value) {
  if (value.empty()) {
    ClearText(text);
    return true;
  }
  auto* data = static_cast<char*>(platform::SharedHeapAllocate(value.size() + 1));
  if (data == nullptr) return false;
  std::memcpy(data, value.data(), value.size());
  data[value.size()] = '\0';
  ClearText(text);
  text->data = data;
  text->capacity = static_cast<uint32_t>(value.size() + 1);
  text->length = static_cast<uint32_t>(value.size());
  return true;
}

void ClearText(NodeText* text) {
  platform::SharedHeapFree(text->data);
  text->data = nullptr;
  text->capacity = 0;
  text->length = 0;
}

}  // namespace zrt
