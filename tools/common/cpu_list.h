// The answer of "--cpu list": the CPU names the emulated compiler and assembler offer.
#pragma once

#include <string>

namespace zrt::tools {

// The list as the real tools print it, one " --cpu=<name>" line per CPU ('\n' ends).
std::string CpuList();

}  // namespace zrt::tools
