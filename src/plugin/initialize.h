// Initialisation of the project context from the host's HostInfo.
#pragma once

#include "src/core/abi.h"

namespace zrt {

// Records the project identity and the device data of info, then looks for the tool
// chain. 1 when discovery ran to its end; 0 when it was skipped (no host structure) or
// found no installation.
int InitializeContext(const HostInfo& info);

}  // namespace zrt
