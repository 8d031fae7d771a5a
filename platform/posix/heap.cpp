#include "platform/heap.h"

#include <cstdlib>

namespace zrt::platform {

void* SharedHeapAllocate(std::size_t size) { return std::malloc(size == 0 ? 1 : size); }

void SharedHeapFree(void* block) { std::free(block); }

}  // namespace zrt::platform
