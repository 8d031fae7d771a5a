// The conversion entry of the interface table. It catches everything at the boundary.
#pragma once

#include "src/core/abi.h"

namespace zrt::entries {

// Converts a uVision project into the host's empty project node; null on failure.
const char* ZRT_CDECL ConvertProject(HostNode* project, const char* uvisionPath);

}  // namespace zrt::entries
