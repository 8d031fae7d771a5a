// One compile or assembly run: scan the source (source_scan.h), and when nothing failed
// write the object, the dependency file and the listing.
//
// The object is an ELF header followed by a note that it holds no machine code and the
// text of every file read, so that it changes with its sources and grows with them.
// The dependency file has the real tools' form: "<object>: <source>", then one
// "<object>: <include as resolved>" line per include, in the order found.
#pragma once

#include <string>
#include <vector>

#include "tools/common/source_scan.h"
#include "tools/common/tool.h"

namespace zrt::tools {

// What a run was asked to write.
struct TranslationRequest {
  std::string source;
  std::string object;
  std::string dependFile;   // "" for none
  std::string listingFile;  // "" for none
  bool crossReference = false;
  bool bigEndian = false;
  IncludeSearch search;
};

// Makes the listing text of a scanned source ('\n' line ends).
using ListingWriter = std::string (*)(const TranslationRequest& request, const ScanResult& scan);

// Runs the scan and writes the outputs; the messages go through reporter. False when
// anything failed.
bool Translate(const ToolProfile& tool, const SourceLanguage& language, const TranslationRequest& request,
               ListingWriter listing, Reporter& reporter);

// The dependency file's text ('\n' line ends).
std::string DependencyText(const std::string& object, const std::string& source,
                           const std::vector<std::string>& dependencies);

}  // namespace zrt::tools
