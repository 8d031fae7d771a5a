// Console output of the emulated tools. Every write is flushed at once, so that stdout
// and stderr keep their order when a caller captures both through one pipe.
#pragma once

#include <string>

namespace zrt::tools {

// Writes text and a line end to stdout.
void PrintOut(const std::string& line);
// Writes text and a line end to stderr.
void PrintError(const std::string& line);
// Writes text as it is (no line end added) to stdout.
void WriteOut(const std::string& text);

}  // namespace zrt::tools
