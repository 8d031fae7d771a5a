// The end of a build: linking the image or creating the library, the optional HEX or BIN
// conversion, the after-build commands and the summary line.
#pragma once

#include <string>

namespace zrt {

// Links (OutType 1) or archives (OutType 2) the files of linkList (each " \"path\"") for
// the current configuration, capturing into buffer. When errors is not 0 only the
// "Result:" line is written. Answers 1 when the step ran without errors.
int LinkStep(int errors, int warnings, const std::string& linkList, char* buffer, int size);

// Converts outputBase.axf to HEX (hexMode 1) or BIN (hexMode 2) with FromELF; answers the
// errors of its output, *warnings receives the warnings.
int FromElfStep(int hexMode, const std::string& outputBase, const std::string& workingDirectory, char* buffer,
                int size, int* warnings);

}  // namespace zrt
