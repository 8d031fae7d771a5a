// The user's own commands around a build: before the build ("BfB"), before each compile
// or assembly ("BfC") and after a successful link ("AfB").
#pragma once

#include "src/core/abi.h"

namespace zrt {

// Longest command text a user command value holds.
constexpr int kUserCommandLimit = 2046;

// Runs the enabled ones of the two commands stored under key in the configuration's
// ZRT_User section, writing each command and its output to the build output. A missing
// section or value, or one that does not hold both commands, runs nothing. A command
// longer than kUserCommandLimit makes the value unreadable, so nothing of it is run.
void RunUserCommands(const HostNode* configuration, const char* key);

// How many user commands this process has run; a change tells a caller that files may
// have been rewritten since it last looked.
unsigned UserCommandRuns();

}  // namespace zrt
