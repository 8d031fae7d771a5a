// The process-wide interface table.
#pragma once

#include "src/plugin/abi.h"

namespace zrt {

// The one table shared with the host; lives as long as the library.
PluginInterface& Interface();

}  // namespace zrt
