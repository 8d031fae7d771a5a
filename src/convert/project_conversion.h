// Converting a uVision project into the host's project tree: one "Configuration" per
// target with its six sections, and the group and file tree under "Files" with
// exclusions and override sections.
#pragma once

#include <memory>
#include <string>

#include "src/convert/project_reader.h"
#include "src/core/abi.h"

namespace zrt {

// The reader for path by its extension (ignoring case): "uv2" the text reader, "xml" the
// bare reader, "uvproj" the XML reader; null for anything else (and for a .uv2 file that
// cannot be read, after its message).
std::unique_ptr<CProjectReader> MakeProjectReader(const std::string& path, ProjectContext* context);

// Converts the project at path into the empty project node. Answers the current
// configuration's name (owned by the context); null for null arguments, and null after
// the failure message when nothing usable was converted.
const char* ConvertProject(HostNode* project, const char* path);

}  // namespace zrt
