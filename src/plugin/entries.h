// The plug-in entries of the interface table that belong to the frame. Each catches
// everything at the boundary.
#pragma once

#include "src/core/abi.h"

namespace zrt::entries {

// Event numbers of ProjectEvent.
enum ProjectEventKind { kNodeAdded = 0, kNodeRemoving = 1, kActiveConfigurationChanged = 2, kConfigurationRenamed = 3 };

int ZRT_CDECL Initialize(HostInfo* info);
void ZRT_CDECL NodeCreated(HostNode* node);
void ZRT_CDECL ProjectOpened(HostNode* project, const char* configurationName);
void ZRT_CDECL ProjectEvent(int event, void* argument);
void ZRT_CDECL Reserved();
int ZRT_CDECL ReservedQuery();

}  // namespace zrt::entries
