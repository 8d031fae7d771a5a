// armlink stand-in: takes the linker's options, checks that every input exists, reads
// the scatter file (or --ro_base/--rw_base), places the inputs' sizes in its regions and
// writes an ELF image with one filler segment per load region, the --list listing and
// the "Program Size:" summary. Nothing is really linked: there are no symbols.
#include <algorithm>
#include <cstdint>

#include "tools/common/archive.h"
#include "tools/common/console.h"
#include "tools/common/elf_file.h"
#include "tools/common/files.h"
#include "tools/common/format.h"
#include "tools/common/image_layout.h"
#include "tools/common/link_listing.h"
#include "tools/common/tool.h"

namespace zrt::tools {
namespace {

enum ArmlinkOption {
  kOutput = kFirstToolOption,
  kScatter,
  kRoBase,
  kRwBase,
  kEntry,
  kInfo,
  kList,
  kMap,
  kSymbols,
  kCrossReference,
  kCallgraph,
  kSummaryStderr,
  kFeedback,
  kAccepted,
};

const ToolProfile kArmlink = {
    "armlink", "a linker", "[options] object-or-library...", "L9901U", "L9902U", "L9903U",
    "L9904U",  "L9905U",   Closing::kFinishedLine,
};

const OptionTable& Options() {
  static const OptionTable kRows = {
      {"-o", Argument::kValue, kOutput, "Image file to write (default __image.axf)"},
      {"--output", Argument::kValue, kOutput, "Image file to write"},
      {"--scatter", Argument::kValue, kScatter, "Scatter-loading description to read"},
      {"--ro_base", Argument::kValue, kRoBase, "Address of the read-only region without --scatter (0x8000)"},
      {"--ro-base", Argument::kValue, kRoBase, "Same as --ro_base"},
      {"--rw_base", Argument::kValue, kRwBase, "Address of the read-write region without --scatter"},
      {"--rw-base", Argument::kValue, kRwBase, "Same as --rw_base"},
      {"--entry", Argument::kValue, kEntry, "Entry point: an address (a symbol is accepted)"},
      {"--info", Argument::kValue, kInfo, "summarysizes, sizes, totals, unused, veneers, ... (comma list)"},
      {"--list", Argument::kValue, kList, "Write the listing to a file instead of stdout"},
      {"--map", Argument::kNone, kMap, "List the memory map"},
      {"--symbols", Argument::kNone, kSymbols, "List the symbols"},
      {"--xref", Argument::kNone, kCrossReference, "List the cross references"},
      {"--callgraph", Argument::kNone, kCallgraph, "Write the call graph beside the image (.htm)"},
      {"--summary_stderr", Argument::kNone, kSummaryStderr, "Print the Program Size summary on stderr"},
      {"--feedback", Argument::kValue, kFeedback, "Write the feedback file"},
      {"--autoat", Argument::kNone, kAccepted, "Place __at sections (accepted)"},
      {"--strict", Argument::kNone, kAccepted, "Strict checking (accepted)"},
      {"--ropi", Argument::kNone, kAccepted, "Position-independent code (accepted)"},
      {"--rwpi", Argument::kNone, kAccepted, "Position-independent data (accepted)"},
      {"--scanlib", Argument::kNone, kAccepted, "Search the libraries (accepted)"},
      {"--noscanlib", Argument::kNone, kAccepted, "Do not search the libraries (accepted)"},
      {"--libpath", Argument::kValue, kAccepted, "Library folder (accepted)"},
      {"--userlibpath", Argument::kValue, kAccepted, "User library folders (accepted)"},
      {"--library_type", Argument::kValue, kAccepted, "standardlib or microlib (accepted)"},
      {"--nodebug", Argument::kNone, kAccepted, "No debug information (accepted)"},
      {"--debug", Argument::kNone, kAccepted, "Debug information (accepted)"},
      {"--bestdebug", Argument::kNone, kAccepted, "Best debug view (accepted)"},
      {"--remove", Argument::kNone, kAccepted, "Remove unused sections (accepted)"},
      {"--noremove", Argument::kNone, kAccepted, "Keep unused sections (accepted)"},
      {"--first", Argument::kValue, kAccepted, "First section (accepted)"},
      {"--keep", Argument::kValue, kAccepted, "Sections to keep (accepted)"},
      {"--cpu", Argument::kValue, kAccepted, "Target CPU (accepted)"},
      {"--fpu", Argument::kValue, kAccepted, "Floating-point unit (accepted)"},
      {"--device", Argument::kValue, kAccepted, "Target device (accepted)"},
      {"--datacompressor", Argument::kValue, kAccepted, "on or off (accepted)"},
      {"--diag_suppress", Argument::kValue, kAccepted, "Suppress diagnostics (accepted)"},
      {"--diag_error", Argument::kValue, kAccepted, "Diagnostics as errors (accepted)"},
      {"--diag_warning", Argument::kValue, kAccepted, "Diagnostics as warnings (accepted)"},
      {"--diag_style", Argument::kValue, kAccepted, "Diagnostic style (accepted)"},
  };
  return kRows;
}

// The --info items and the part of the output each asks for (null: accepted only).
struct InfoItem {
  const char* name;
  bool ListingContents::*part;
};
const InfoItem kInfoItems[] = {
    {"sizes", &ListingContents::sizes},
    {"totals", &ListingContents::totals},
    {"unused", &ListingContents::unused},
    {"veneers", &ListingContents::veneers},
    {"summarysizes", nullptr},
    {"inline", nullptr},
    {"libraries", nullptr},
    {"stack", nullptr},
    {"summarystack", nullptr},
    {"inputs", nullptr},
    {"common", nullptr},
    {"debug", nullptr},
    {"exceptions", nullptr},
    {"any", nullptr},
    {"visibility", nullptr},
    {"compression", nullptr},
    {"merge", nullptr},
    {"tailreorder", nullptr},
};

// What the command line asks for.
struct LinkRequest {
  std::string output = "__image.axf";
  ListingContents listing;
  bool summarySizes = false;
};

// 64-bit FNV-1a, to seed the image bytes from the inputs.
uint64_t Hash(uint64_t hash, const std::string& bytes) {
  for (char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  return hash;
}

// Deterministic filler bytes (xorshift64*), standing in for code and data.
std::string FillerBytes(uint64_t seed, uint32_t size) {
  std::string bytes(size, '\0');
  uint64_t state = seed | 1;
  for (char& byte : bytes) {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    byte = static_cast<char>((state * 0x2545F4914F6CDD1Dull) >> 56);
  }
  return bytes;
}

std::string PatternText(const InputSection& input) {
  if (input.selectors.empty()) return input.module;
  std::string text = input.module + "(";
  for (size_t i = 0; i < input.selectors.size(); ++i) text += (i > 0 ? ", " : "") + input.selectors[i];
  return text + ")";
}

class Linker {
 public:
  explicit Linker(const CommandLine& commandLine) : commandLine_(commandLine) {}

  int Run() {
    if (ReadRequest() && LoadInputs() && ReadDescription()) {
      CheckPatterns();
      ImageLayout layout = PlaceModules(description_, modules_);
      for (const std::string& overflow : layout.overflows) reporter_.Report({"", Severity::kError, "L6220E", overflow});
      if (!reporter_.Counts().Failed()) WriteOutputs(layout);
    }
    return FinishTool(kArmlink, reporter_.Counts());
  }

 private:
  bool Fail(const std::string& code, const std::string& text) {
    reporter_.Report({"", Severity::kFatal, code, text});
    return false;
  }

  bool ReadAddress(int id, uint32_t fallback, uint32_t* address) {
    *address = fallback;
    std::string text = commandLine_.Last(id);
    if (text.empty() || ParseScatterNumber(text, address)) return true;
    return Fail("L9907U", "Invalid integer constant : " + text + ".");
  }

  bool ReadRequest() {
    if (commandLine_.Has(kOutput)) request_.output = commandLine_.Last(kOutput);
    request_.listing.map = commandLine_.Has(kMap);
    request_.listing.symbols = commandLine_.Has(kSymbols);
    request_.listing.xref = commandLine_.Has(kCrossReference);
    for (const std::string& list : commandLine_.All(kInfo)) {
      for (size_t start = 0; start <= list.size();) {
        size_t end = std::min(list.find(',', start), list.size());
        if (!ReadInfoItem(list.substr(start, end - start))) return false;
        start = end + 1;
      }
    }
    return true;
  }

  bool ReadInfoItem(const std::string& name) {
    for (const InfoItem& item : kInfoItems) {
      if (name != item.name) continue;
      if (item.part != nullptr) request_.listing.*item.part = true;
      if (name == "summarysizes") request_.summarySizes = true;
      return true;
    }
    return Fail(kArmlink.unknownOption, "Unrecognized option '--info " + name + "'.");
  }

  // Reads every input: objects and libraries (each library member counts as a module).
  bool LoadInputs() {
    if (commandLine_.inputs.empty()) return Fail("L9906U", "No input files to link.");
    for (const std::string& input : commandLine_.inputs) {
      std::string content, reason;
      if (!ReadInputFile(input, &content, &reason))
        return Fail("L6002U", "Could not open file " + input + ": " + reason);
      seed_ = Hash(seed_, content);
      if (!IsArchive(content)) {
        modules_.push_back(SizesOfModule(FileNameOf(input), content.size()));
        continue;
      }
      std::vector<ArchiveMember> members;
      if (!ReadArchive(content, &members, &reason)) return Fail("L9909U", input + " is not a valid library: " + reason);
      for (const ArchiveMember& member : members) modules_.push_back(SizesOfModule(member.name, member.content.size()));
    }
    return true;
  }

  bool ReadDescription() {
    std::string path = commandLine_.Last(kScatter);
    if (path.empty()) {
      uint32_t roBase = 0, rwBase = 0;
      if (!ReadAddress(kRoBase, 0x8000, &roBase) || !ReadAddress(kRwBase, 0, &rwBase)) return false;
      description_ = DefaultDescription(roBase, commandLine_.Has(kRwBase), rwBase);
      return true;
    }
    std::string text, reason;
    if (!ReadInputFile(path, &text, &reason)) {
      return Fail("L6031U", "Could not open scatter description file " + path + ": " + reason);
    }
    ScatterError error;
    if (ParseScatterFile(text, &description_, &error)) return true;
    Severity severity = error.code.back() == 'U' ? Severity::kFatal : Severity::kError;
    std::string location = Format("\"%s\", line %d (column %d)", path.c_str(), error.line, error.column);
    reporter_.Report({location, severity, error.code, error.text});
    return false;
  }

  // Warns about input descriptions that name no input module.
  void CheckPatterns() {
    std::string path = commandLine_.Last(kScatter);
    for (const LoadRegion& load : description_.loadRegions) {
      for (const ExecutionRegion& region : load.regions) {
        for (const InputSection& input : region.inputs) {
          if (input.line == 0 || IsAnyPattern(input.module) || Matched(input.module)) continue;
          std::string location = Format("\"%s\", line %d (column %d)", path.c_str(), input.line, input.column);
          reporter_.Report(
              {location, Severity::kWarning, "L6314W", "No section matches pattern " + PatternText(input) + "."});
        }
      }
    }
  }

  bool Matched(const std::string& pattern) const {
    for (const ModuleSizes& module : modules_) {
      if (ModuleMatches(pattern, module.name)) return true;
    }
    return false;
  }

  ElfImage Image(const ImageLayout& layout) const {
    ElfImage image;
    for (size_t i = 0; i < layout.loadRegions.size(); ++i) {
      const PlacedLoadRegion& load = layout.loadRegions[i];
      const PlacedRegion& first = load.regions.front();
      ImageSegment segment{first.name, load.address, first.execAddress, FillerBytes(seed_ + i, load.size), load.size};
      for (const PlacedRegion& region : load.regions) segment.memorySize += region.zeroInit;
      image.segments.push_back(segment);
    }
    uint32_t entry = 0;
    image.entry = ParseScatterNumber(commandLine_.Last(kEntry), &entry) ? entry : image.segments.front().execAddress;
    return image;
  }

  void WriteOutputs(const ImageLayout& layout) {
    ElfImage image = Image(layout);
    if (!WriteToolOutput(kArmlink, reporter_, request_.output, MakeImageFile(image))) return;
    std::string listing = MakeLinkListing(request_.listing, layout, modules_, image.entry);
    if (commandLine_.Has(kList)) {
      WriteToolOutput(kArmlink, reporter_, commandLine_.Last(kList), HostText(listing));
    } else {
      WriteOut(listing);
    }
    if (commandLine_.Has(kCallgraph)) {
      WriteToolOutput(kArmlink, reporter_, WithExtension(request_.output, ".htm"),
                      HostText("<html><body><p>ZRTSettings ARM tool emulator: no call graph (nothing was linked) for " +
                               request_.output + "</p></body></html>\n"));
    }
    if (commandLine_.Has(kFeedback)) {
      WriteToolOutput(kArmlink, reporter_, commandLine_.Last(kFeedback),
                      HostText(";#<FEEDBACK># ZRTSettings ARM tool emulator: no unused functions recorded\n"));
    }
    if (request_.summarySizes) PrintSummary();
  }

  void PrintSummary() {
    ModuleSizes total = TotalSizes(modules_);
    std::string line = Format("Program Size: Code=%u RO-data=%u RW-data=%u ZI-data=%u  ", total.code, total.roData,
                              total.rwData, total.ziData);
    if (commandLine_.Has(kSummaryStderr)) {
      PrintError(line);
    } else {
      PrintOut(line);
    }
  }

  const CommandLine& commandLine_;
  Reporter reporter_;
  LinkRequest request_;
  std::vector<ModuleSizes> modules_;
  ScatterDescription description_;
  uint64_t seed_ = 0xCBF29CE484222325ull;
};

int Run(const CommandLine& commandLine) { return Linker(commandLine).Run(); }

}  // namespace
}  // namespace zrt::tools

int main(int argc, char** argv) {
  using namespace zrt::tools;
  return RunTool(kArmlink, Options(), argc, argv, Run);
}
