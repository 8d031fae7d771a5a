// The entries that work on one file or on the build's outputs rather than on a build:
// compiling the picked file, and deleting the objects and the image.
#pragma once

#include "src/core/abi.h"

namespace zrt {

// Compiles or assembles one source file of the current configuration and writes the
// result. Answers 1 when the file was handed to the tool, 0 when refused.
int CompileFile(HostNode* file);

// Deletes the object of every source file and the image of the current configuration.
void CleanOutputs();

}  // namespace zrt
