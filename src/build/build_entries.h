// The build entries of the interface table. Each catches everything at the boundary.
#pragma once

#include "src/core/abi.h"

namespace zrt::entries {

int ZRT_CDECL BuildProject(int rebuildAll);
int ZRT_CDECL CompileFile(HostNode* file);
void ZRT_CDECL StopBuild();
void ZRT_CDECL CleanOutputs();
int ZRT_CDECL NextDependency(const char* sourcePath, char* buffer, unsigned size, int first);
int ZRT_CDECL NextIncludePath(char* buffer, unsigned size, int first);

}  // namespace zrt::entries
