// Memory shared across the library boundary: blocks from the process heap
// (HeapAlloc(GetProcessHeap()) on Windows, malloc elsewhere), so a block allocated by the
// plug-in may be freed by the host and the other way round.
#pragma once

#include <cstddef>

namespace zrt::platform {

// Allocates size bytes; null when memory runs out.
void* SharedHeapAllocate(std::size_t size);
// Frees a block from SharedHeapAllocate; null is ignored.
void SharedHeapFree(void* block);

}  // namespace zrt::platform
