// Compiling or assembling one source file with the settings that apply to it.
#pragma once

#include "src/core/abi.h"

namespace zrt {

// Runs armasm (sectionName "ZRT_AsmParam") or armcc (any other name) on file for the
// current configuration, after its "BfC" user commands, capturing the tool's output in
// buffer (size bytes) for the caller to parse. Does nothing when an argument is null or
// there is no current configuration. Nothing of file is read once a command has run.
void CompileOneFile(const char* sectionName, HostNode* file, char* buffer, int size);

}  // namespace zrt
