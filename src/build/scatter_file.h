// The scatter-loading description (.sct) generated from a configuration's memory areas
// (XROM, IROM, XRAM, IRAM) and the per-file placement keys ro, rw and bss.
#pragma once

#include <string>
#include <vector>

#include "src/core/abi.h"

namespace zrt {

// The placement key of a file: read-only sections, read-write data, zero-initialised data.
enum PlacementKind { kPlaceReadOnly, kPlaceReadWrite, kPlaceZeroInit };

// Appends to names the placement names of the listed files whose kind key ("ro", "rw",
// "bss") equals areaIndex + 1 (for ro an index over the ten areas, for rw and bss over
// the five RAM areas), in file list order: the Output key, else "*" + the file name part
// of RelativePath.
void CollectPlacedFiles(PlacementKind kind, int areaIndex, std::vector<std::string>* names);

// Appends to text one line per name CollectPlacedFiles finds, formatted with lineFormat
// (one "%s").
void AppendPlacedLines(PlacementKind kind, int areaIndex, const char* lineFormat, std::string* text);

// Brings the on-chip areas of configuration up to date with the device, then creates or
// replaces the file at path with the description; an empty file when no ROM area has a
// size. Failures to write are not reported; a null configuration does nothing.
void WriteScatterFile(HostNode* configuration, const std::string& path);

}  // namespace zrt
