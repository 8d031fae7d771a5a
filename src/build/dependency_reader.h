// Reading, one entry per call, the dependency file the compiler wrote for a source.
#pragma once

namespace zrt {

// Longest target or dependency path a dependency line may hold; a longer one ends the
// enumeration rather than hand out a cut path.
constexpr int kDependencyFieldLimit = 259;

// first not 0: opens the dependency file of the first listed file whose RelativePath
// contains the file name of sourcePath, skips its first line (the source itself) and
// answers its next entry; first 0: answers the next entry of the file opened last. An
// entry is a line "target: dependency"; 1 with the dependency written to buffer (cut to
// size - 1 bytes and NUL-terminated), 0 when there is no further entry.
int NextDependency(const char* sourcePath, char* buffer, unsigned size, int first);

}  // namespace zrt
