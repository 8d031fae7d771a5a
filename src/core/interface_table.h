// The process-wide records shared with the host: the interface table, the debugger
// accessor record and the copy of the HostInfo that Initialize received.
#pragma once

#include "src/core/abi.h"

namespace zrt {

// The one table shared with the host; lives as long as the library.
PluginInterface& Interface();
// The record handed to the host's debugger; lives as long as the library.
DebuggerAccessorTable& AccessorTable();
// The HostInfo words as the host passed them to Initialize; all null before that.
HostInfo& HostInfoCopy();

}  // namespace zrt
