// The generated .uvproj the conversion benchmarks read: 3 targets, groups of 100 files,
// every group overridden in each target, every tenth file excluded and overridden.
#pragma once

#include <string>

namespace zrt::bench {

// The project text with files source files.
std::string GeneratedUvproj(int files);

}  // namespace zrt::bench
