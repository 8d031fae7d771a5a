// Building the active target: deciding which sources to compile, compiling them, then the
// link step; and stopping a build between two files.
#pragma once

namespace zrt {

// Builds the current configuration (every buildable file when rebuildAll is not 0).
// Answers 1 when the link or library step had no errors or the build was stopped.
int BuildProject(int rebuildAll);

// Makes a running build stop before its next file.
void StopBuild();

}  // namespace zrt
