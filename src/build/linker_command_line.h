// The option text of armlink for a configuration, and the decision whether the build
// writes a generated scatter-loading description before linking.
#pragma once

#include <string>

#include "src/core/abi.h"

namespace zrt {

// The path of the build's outputs without extension: OutName after its first ",", else
// ".\" + current configuration + "\" + project name.
std::string OutputBase(const HostNode* output);

// The armlink options (no object or library files) from configuration, its ZRT_Linker
// and its ZRT_Output section; creates the output folder. Clears the scatter request of
// ProjectContext and sets it, with the scatter file path, when UseDef is 1. Empty text
// when any of the three nodes is null.
std::string BuildLinkerCommandLine(const HostNode* configuration, const HostNode* linker, const HostNode* output);

}  // namespace zrt
