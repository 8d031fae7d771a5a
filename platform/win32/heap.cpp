#include "platform/heap.h"

#include <windows.h>

namespace zrt::platform {

void* SharedHeapAllocate(std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size == 0 ? 1 : size); }

void SharedHeapFree(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace zrt::platform
