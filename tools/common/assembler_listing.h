// The listing "armasm --list" writes: a title, then each source line with its number
// and an address (placeholders: 4 bytes per statement, as no code is generated), and
// with --xref the labels and the lines that define them.
#pragma once

#include <string>
#include <vector>

namespace zrt::tools {

// The listing text ('\n' line ends) of the lines of source.
std::string MakeAssemblerListing(const std::string& source, const std::vector<std::string>& lines, bool crossReference);

}  // namespace zrt::tools
