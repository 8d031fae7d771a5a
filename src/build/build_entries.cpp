#include "src/build/build_entries.h"

#include "src/build/build_project.h"
#include "src/build/dependency_reader.h"
#include "src/build/include_paths.h"
#include "src/build/single_file.h"
#include "src/core/boundary.h"

namespace zrt::entries {

int ZRT_CDECL BuildProject(int rebuildAll) {
  return Guarded(0, [&] { return zrt::BuildProject(rebuildAll); });
}

int ZRT_CDECL CompileFile(HostNode* file) {
  return Guarded(0, [&] { return zrt::CompileFile(file); });
}

void ZRT_CDECL StopBuild() { zrt::StopBuild(); }

void ZRT_CDECL CleanOutputs() {
  Guarded([] { zrt::CleanOutputs(); });
}

int ZRT_CDECL NextDependency(const char* sourcePath, char* buffer, unsigned size, int first) {
  return Guarded(0, [&] { return zrt::NextDependency(sourcePath, buffer, size, first); });
}

int ZRT_CDECL NextIncludePath(char* buffer, unsigned size, int first) {
  return Guarded(0, [&] { return zrt::NextIncludePath(buffer, size, first); });
}

}  // namespace zrt::entries
