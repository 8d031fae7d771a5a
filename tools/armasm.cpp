// armasm stand-in: takes the assembler's options, reads the source and the files it
// includes with INCLUDE or GET, and writes the object, the --depend file and the --list
// listing. It generates no code. "#error" and "#warning" lines and includes it cannot
// find give assembler diagnostics.
#include "tools/common/assembler_listing.h"
#include "tools/common/console.h"
#include "tools/common/cpu_list.h"
#include "tools/common/files.h"
#include "tools/common/translation.h"

namespace zrt::tools {
namespace {

enum ArmasmOption {
  kOutput = kFirstToolOption,
  kInclude,
  kDepend,
  kList,
  kCrossReference,
  kCpu,
  kBigEndian,
  kLittleEndian,
  kAccepted,
};

const ToolProfile kArmasm = {
    "armasm", "an assembler", "[options] source",        "A3900U", "A3901U", "A3904U",
    "A3906U", "A9902U",       Closing::kAssemblerCounts,
};

const OptionTable& Options() {
  static const OptionTable kRows = {
      {"-o", Argument::kValue, kOutput, "Object file to write (default: the source's name with .o)"},
      {"-I", Argument::kValue, kInclude, "Add a folder to the search for INCLUDE and GET files"},
      {"--depend", Argument::kValue, kDepend, "Write the dependency file"},
      {"--list", Argument::kValue, kList, "Write the listing file"},
      {"--xref", Argument::kNone, kCrossReference, "With --list: list the labels and where they are defined"},
      {"--cpu", Argument::kValue, kCpu, "Target CPU; \"--cpu list\" lists the CPUs"},
      {"--bi", Argument::kNone, kBigEndian, "Big-endian object"},
      {"--bigend", Argument::kNone, kBigEndian, "Big-endian object"},
      {"--li", Argument::kNone, kLittleEndian, "Little-endian object (the default)"},
      {"--littleend", Argument::kNone, kLittleEndian, "Little-endian object (the default)"},
      {"--pd", Argument::kValue, kAccepted, "Predefine a symbol, \"name SETA value\" (accepted)"},
      {"--predefine", Argument::kValue, kAccepted, "Predefine a symbol (accepted)"},
      {"--device", Argument::kValue, kAccepted, "Target device (accepted)"},
      {"--fpu", Argument::kValue, kAccepted, "Floating-point unit (accepted)"},
      {"-g", Argument::kNone, kAccepted, "Debug information (accepted)"},
      {"--debug", Argument::kNone, kAccepted, "Debug information (accepted)"},
      {"--dwarf2", Argument::kNone, kAccepted, "DWARF 2 debug information (accepted)"},
      {"--dwarf3", Argument::kNone, kAccepted, "DWARF 3 debug information (accepted)"},
      {"--keep", Argument::kNone, kAccepted, "Keep local symbols (accepted)"},
      {"--apcs", Argument::kValue, kAccepted, "Procedure call standard qualifiers (accepted)"},
      {"--16", Argument::kNone, kAccepted, "Thumb instructions (accepted)"},
      {"--32", Argument::kNone, kAccepted, "ARM instructions (accepted)"},
      {"--thumb", Argument::kNone, kAccepted, "Thumb instructions (accepted)"},
      {"--arm", Argument::kNone, kAccepted, "ARM instructions (accepted)"},
      {"--split_ldm", Argument::kNone, kAccepted, "Fault long LDM and STM (accepted)"},
      {"--nowarn", Argument::kNone, kAccepted, "No warnings (accepted)"},
      {"--diag_suppress", Argument::kValue, kAccepted, "Suppress diagnostics (accepted)"},
      {"--diag_style", Argument::kValue, kAccepted, "Diagnostic style (accepted; always arm)"},
      {"--brief_diagnostics", Argument::kNone, kAccepted, "Brief diagnostics (accepted)"},
  };
  return kRows;
}

// The assembler's wording of what the source walk finds.
const SourceLanguage& Language() {
  static const SourceLanguage kLanguage = {
      SourceSyntax::kAssembler,
      {
          {SourceEventKind::kErrorMarker, Severity::kError, "A9900E", "#error directive: ", "", nullptr},
          {SourceEventKind::kWarningMarker, Severity::kWarning, "A9901W", "#warning directive: ", "", nullptr},
          {SourceEventKind::kMissingInclude, Severity::kError, "A1023E", "File \"",
           "\" could not be opened: No such file or directory", nullptr},
          {SourceEventKind::kMissingSource, Severity::kFatal, "A1023E", "File \"",
           "\" could not be opened: No such file or directory", ""},
      },
      false,
  };
  return kLanguage;
}

std::string Listing(const TranslationRequest& request, const ScanResult& scan) {
  return MakeAssemblerListing(request.source, scan.sourceLines, request.crossReference);
}

TranslationRequest Request(const CommandLine& commandLine) {
  TranslationRequest request;
  request.source = commandLine.inputs[0];
  request.object =
      commandLine.Has(kOutput) ? commandLine.Last(kOutput) : WithExtension(FileNameOf(request.source), ".o");
  request.dependFile = commandLine.Last(kDepend);
  request.listingFile = commandLine.Last(kList);
  request.crossReference = commandLine.Has(kCrossReference);
  request.search.folders = commandLine.All(kInclude);
  request.bigEndian = commandLine.LastOf({kBigEndian, kLittleEndian}) == kBigEndian;
  return request;
}

int Run(const CommandLine& commandLine) {
  if (commandLine.Last(kCpu) == "list") {
    WriteOut(CpuList());
    return 0;
  }
  Reporter reporter;
  if (commandLine.inputs.size() != 1) {
    return FailTool(kArmasm, reporter, "A9903U", "The emulator assembles exactly one source file per run.");
  }
  Translate(kArmasm, Language(), Request(commandLine), Listing, reporter);
  return FinishTool(kArmasm, reporter.Counts());
}

}  // namespace
}  // namespace zrt::tools

int main(int argc, char** argv) {
  using namespace zrt::tools;
  return RunTool(kArmasm, Options(), argc, argv, Run);
}
