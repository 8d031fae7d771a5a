// Defaults of a new "File" node and the classification of files by extension.
#pragma once

#include <string>

#include "src/core/abi.h"

namespace zrt {

// FileType of a path by its extension: 1 C, 2 assembler, 3 C++, 4 header, 5 other
// (also without extension), 10 library, 11 object, 12 text.
int ClassifyFile(const std::string& path);

// True for the FileTypes that are compiled or assembled into an object: 1, 2 and 3.
bool IsSourceFileType(int fileType);

// The settings section a source of fileType is compiled with: "ZRT_AsmParam" for an
// assembler source, "ZRT_CParam" for any other.
const char* SourceSectionName(int fileType);

// Object file name of a source: the text between the last '\' and the last '.' + ".o";
// "" without a '.'.
std::string ObjectNameOf(const std::string& path);

// Writes FileType, Output (C, assembler, C++), ro, rw and bss onto a new File node
// (through a committed copy) and lists it for the build when it is buildable.
void WriteFileDefaults(HostNode* file);
// WriteFileDefaults without listing the file (a converted project's files are listed
// when the project is opened).
void WriteFileKeys(HostNode* file);

}  // namespace zrt
