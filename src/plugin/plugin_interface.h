// Filling the plug-in slots of the interface table.
#pragma once

#include "src/core/abi.h"

namespace zrt {

// Stores the plug-in's entries into the plug-in slots (host slots untouched) and the
// accessors and count into the accessor record.
void FillPluginSlots();

}  // namespace zrt
