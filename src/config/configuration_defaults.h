// The defaults of a new target configuration and the writing of its six sections.
#pragma once

#include "src/config/section_records.h"
#include "src/core/abi.h"

namespace zrt {

// Asks the host for the sections ZRT_Output, ZRT_User, ZRT_CParam, ZRT_AsmParam,
// ZRT_Linker and ZRT_Debug of configuration, in this order, and writes each from record
// (null: the defaults) before asking for the next. A null configuration does nothing.
void WriteConfigurationSections(HostNode* configuration, const TargetRecord* record);

// The defaults of a configuration the host has just created: its target keys, then its
// six sections.
void WriteConfigurationDefaults(HostNode* configuration);

}  // namespace zrt
