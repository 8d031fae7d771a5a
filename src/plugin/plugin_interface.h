// The process-wide interface table and the debugger accessor record.
#pragma once

#include "src/plugin/abi.h"

namespace zrt {

// The one table shared with the host; lives as long as the library.
PluginInterface& Interface();
// The record handed to the host's debugger; lives as long as the library.
DebuggerAccessorTable& AccessorTable();
// Stores the plug-in's entries into the plug-in slots (host slots untouched) and the
// accessors and count into the accessor record.
void FillPluginSlots();

}  // namespace zrt
