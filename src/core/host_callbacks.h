// Calls into the host through the host slots of the interface table. Each slot is read
// afresh at every call; a slot the host left null makes the call do nothing (and answer
// null or 0).
#pragma once

#include "src/core/abi.h"

namespace zrt::host {

// Hands a changed deep copy of target to the host, which takes over its attributes.
void CommitNode(HostNode* target, HostNode* modifiedCopy);
// Asks the host for a new child element of owner (with "Name" = name when not null).
HostNode* CreateChildNode(HostNode* owner, const char* elementName, const char* name);
// Asks the host to remove child from parent and dispose of it.
void RemoveChild(HostNode* parent, HostNode* child);
// Runs a command line through the host; output is zero-filled and *exitCode set to 0 first.
// Answers the host's result (0: the run failed).
int RunCommand(const char* commandLine, const char* workingDirectory, char* output, int outputSize,
               int* exitCode);
// Appends text to the host's build output window (flag 0).
void WriteOutput(const char* text);
// Empties the host's build output window.
void ClearOutput();
// Tells the host that the settings chose a new device.
void NotifySettingsChange(const DeviceRecord* device);

}  // namespace zrt::host
