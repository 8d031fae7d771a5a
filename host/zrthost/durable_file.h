// Replacing a file so that a crash or a full disk never loses its previous content: the
// new content goes to a temporary file beside it, is flushed to the disk, and only then
// renamed over the old file.
#pragma once

#include <string>

namespace zrt::zrthost {

// Replaces the file at path (native form) with content; false with *error set when any
// step fails, the old file then being untouched and the temporary file removed.
bool ReplaceFileDurably(const std::string& path, const std::string& content, std::string* error);

}  // namespace zrt::zrthost
