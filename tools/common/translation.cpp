#include "tools/common/translation.h"

#include "tools/common/elf_file.h"
#include "tools/common/files.h"

namespace zrt::tools {

std::string DependencyText(const std::string& object, const std::string& source,
                           const std::vector<std::string>& dependencies) {
  std::string text = object + ": " + source + "\n";
  for (const std::string& dependency : dependencies) text += object + ": " + dependency + "\n";
  return text;
}

bool Translate(const ToolProfile& tool, const SourceLanguage& language, const TranslationRequest& request,
               ListingWriter listing, Reporter& reporter) {
  ScanResult scan;
  if (!ScanSource(request.source, request.search, language, reporter, &scan) || reporter.Counts().Failed()) {
    return false;
  }
  std::string payload = std::string("ZRTSettings ARM tool emulator object: no machine code.\nSource: ") +
                        request.source + "\n\n" + scan.text;
  if (!WriteToolOutput(tool, reporter, request.object, MakeObjectFile(payload, request.bigEndian))) return false;
  if (!request.dependFile.empty() &&
      !WriteToolOutput(tool, reporter, request.dependFile,
                       HostText(DependencyText(request.object, request.source, scan.dependencies)))) {
    return false;
  }
  return request.listingFile.empty() ||
         WriteToolOutput(tool, reporter, request.listingFile, HostText(listing(request, scan)));
}

}  // namespace zrt::tools
