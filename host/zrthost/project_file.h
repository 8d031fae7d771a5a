// The project file (.orbproj): the host tree as XML, one element per node (element name =
// node name), attributes in their order; UTF-8 on disk, the ANSI code page (GBK) in memory.
#pragma once

#include <string>

#include "src/core/abi.h"

namespace zrt::zrthost {

// The root element's name.
constexpr char kProjectElement[] = "OrbweaveProject";

// Reads a project file into a new tree (the caller owns it); null with *error set to
// "PATH:LINE:COLUMN: why" when the file cannot be read, is not well-formed XML or is not
// a project file.
HostNode* LoadProjectFile(const std::string& path, std::string* error);
// The same for the file's content; name stands for the path in *error.
HostNode* ParseProjectText(const std::string& name, std::string content, std::string* error);

// The XML text of a tree, UTF-8.
std::string ProjectFileText(const HostNode* root);

// Writes the tree to path atomically; false with *error set on failure (the previous file
// is then intact).
bool SaveProjectFile(const std::string& path, const HostNode* root, std::string* error);

}  // namespace zrt::zrthost
