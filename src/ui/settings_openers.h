// ShowSettings and its three openers: each copies what its sheet edits, runs the sheet
// modally and writes the copies back through the host as the sheet's outcome asks.
#pragma once

#include "src/core/abi.h"

namespace zrt {

// Result codes: 0 nothing written back; 1, 2 and 3 as each opener gives them.

// Opens the sheet for node ("OrbweaveProject": the active target; "Filter": a group;
// else a file); 0 for a null node, no active configuration or element type "Unknown".
unsigned ShowSettings(HostNode* node);
// The target sheet of the active configuration: 2 options changed, 1 only the linker,
// 3 other changes; 0 when nothing was written.
unsigned OpenTargetSettings();
// The group sheet: 1 options changed, 3 other changes, 0 nothing written.
unsigned OpenGroupSettings(HostNode* group);
// The file sheet: for sources 1 options changed, 3 other changes; libraries and objects 1 or 0; 0 nothing written.
unsigned OpenFileSettings(HostNode* file);

namespace entries {
// The ShowSettings slot of the interface table.
int ZRT_CDECL ShowSettings(HostNode* node);
}  // namespace entries

}  // namespace zrt
