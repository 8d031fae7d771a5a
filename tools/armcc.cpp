// armcc stand-in: takes the compiler's options, reads the C or C++ source and the
// headers it includes, and writes the object, the --depend file and the --asm listing.
// It generates no code. "#error" and "#warning" lines and includes it cannot find give
// the compiler's diagnostics.
#include <cctype>

#include "tools/common/console.h"
#include "tools/common/cpu_list.h"
#include "tools/common/files.h"
#include "tools/common/format.h"
#include "tools/common/translation.h"

namespace zrt::tools {
namespace {

enum ArmccOption {
  kCompileOnly = kFirstToolOption,
  kOutput,
  kInclude,
  kSystemInclude,
  kDepend,
  kCpu,
  kAssemblyListing,
  kInterleave,
  kBigEndian,
  kLittleEndian,
  kAccepted,
};

const ToolProfile kArmcc = {
    "armcc", "a compiler", "[options] -c source", "C3900U", "C3901U", "C3904U", "C3906U", "C9902U", Closing::kNone,
};

const OptionTable& Options() {
  static const OptionTable kRows = {
      {"-c", Argument::kNone, kCompileOnly, "Compile only; required, as the emulator does not link"},
      {"-o", Argument::kValue, kOutput, "Object file to write (default: the source's name with .o)"},
      {"-I", Argument::kValue, kInclude, "Add a folder to the include search"},
      {"-J", Argument::kValue, kSystemInclude, "Add a folder to the system include search"},
      {"--depend", Argument::kValue, kDepend, "Write the dependency file"},
      {"--cpu", Argument::kValue, kCpu, "Target CPU; \"--cpu list\" lists the CPUs"},
      {"--asm", Argument::kNone, kAssemblyListing, "Write a listing beside the object (.s)"},
      {"--interleave", Argument::kNone, kInterleave, "With --asm: interleave the source (.txt)"},
      {"--bi", Argument::kNone, kBigEndian, "Big-endian object"},
      {"--bigend", Argument::kNone, kBigEndian, "Big-endian object"},
      {"--li", Argument::kNone, kLittleEndian, "Little-endian object (the default)"},
      {"--littleend", Argument::kNone, kLittleEndian, "Little-endian object (the default)"},
      {"-D", Argument::kValue, kAccepted, "Define a macro (accepted)"},
      {"-U", Argument::kValue, kAccepted, "Undefine a macro (accepted)"},
      {"--device", Argument::kValue, kAccepted, "Target device (accepted)"},
      {"--fpu", Argument::kValue, kAccepted, "Floating-point unit (accepted)"},
      {"--omf_browse", Argument::kValue, kAccepted, "Browse information file (accepted, not written)"},
      {"-g", Argument::kNone, kAccepted, "Debug information (accepted)"},
      {"--debug", Argument::kNone, kAccepted, "Debug information (accepted)"},
      {"--dwarf2", Argument::kNone, kAccepted, "DWARF 2 debug information (accepted)"},
      {"--dwarf3", Argument::kNone, kAccepted, "DWARF 3 debug information (accepted)"},
      {"-O0", Argument::kNone, kAccepted, "Optimisation level 0 (accepted)"},
      {"-O1", Argument::kNone, kAccepted, "Optimisation level 1 (accepted)"},
      {"-O2", Argument::kNone, kAccepted, "Optimisation level 2 (accepted)"},
      {"-O3", Argument::kNone, kAccepted, "Optimisation level 3 (accepted)"},
      {"-Otime", Argument::kNone, kAccepted, "Optimise for time (accepted)"},
      {"-Ospace", Argument::kNone, kAccepted, "Optimise for space (accepted)"},
      {"--apcs", Argument::kValue, kAccepted, "Procedure call standard qualifiers (accepted)"},
      {"--thumb", Argument::kNone, kAccepted, "Thumb code (accepted)"},
      {"--arm", Argument::kNone, kAccepted, "ARM code (accepted)"},
      {"--split_sections", Argument::kNone, kAccepted, "One section per function (accepted)"},
      {"--split_ldm", Argument::kNone, kAccepted, "Split LDM and STM (accepted)"},
      {"--strict", Argument::kNone, kAccepted, "Strict ISO C (accepted)"},
      {"--enum_is_int", Argument::kNone, kAccepted, "Enumerations are int (accepted)"},
      {"--signed_chars", Argument::kNone, kAccepted, "char is signed (accepted)"},
      {"--unsigned_chars", Argument::kNone, kAccepted, "char is unsigned (accepted)"},
      {"-W", Argument::kNone, kAccepted, "No warnings (accepted)"},
      {"--c90", Argument::kNone, kAccepted, "C90 (accepted)"},
      {"--c99", Argument::kNone, kAccepted, "C99 (accepted)"},
      {"--cpp", Argument::kNone, kAccepted, "C++ (accepted)"},
      {"--gnu", Argument::kNone, kAccepted, "GNU extensions (accepted)"},
      {"--diag_suppress", Argument::kValue, kAccepted, "Suppress diagnostics (accepted)"},
      {"--diag_error", Argument::kValue, kAccepted, "Diagnostics as errors (accepted)"},
      {"--diag_warning", Argument::kValue, kAccepted, "Diagnostics as warnings (accepted)"},
      {"--diag_style", Argument::kValue, kAccepted, "Diagnostic style (accepted; always arm)"},
      {"--brief_diagnostics", Argument::kNone, kAccepted, "Brief diagnostics (accepted)"},
  };
  return kRows;
}

// The compiler's wording of what the source walk finds.
const SourceLanguage& Language() {
  static const SourceLanguage kLanguage = {
      SourceSyntax::kC,
      {
          {SourceEventKind::kErrorMarker, Severity::kError, "#35", "#error directive: ", "", nullptr},
          {SourceEventKind::kWarningMarker, Severity::kWarning, "#1215-D", "#warning directive: ", "", nullptr},
          {SourceEventKind::kMissingInclude, Severity::kError, "#5", "cannot open source input file \"",
           "\": No such file or directory", nullptr},
          {SourceEventKind::kMissingSource, Severity::kError, "#5", "cannot open source input file \"",
           "\": No such file or directory", "\"no source\""},
      },
      true,
  };
  return kLanguage;
}

bool IsCSource(const std::string& path) {
  std::string extension = ExtensionOf(path);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const char* known : {".c", ".cpp", ".cxx", ".cc", ".c++"}) {
    if (extension == known) return true;
  }
  return false;
}

// The --asm listing: the source lines, each after ";;;" and its number.
std::string Listing(const TranslationRequest& request, const ScanResult& scan) {
  std::string text = "; ZRTSettings ARM tool emulator: listing of " + request.source + " (no code generated)\n";
  for (size_t i = 0; i < scan.sourceLines.size(); ++i) {
    text += Format(";;;%-5u", static_cast<unsigned>(i + 1)) + scan.sourceLines[i] + "\n";
  }
  return text;
}

TranslationRequest Request(const CommandLine& commandLine) {
  TranslationRequest request;
  request.source = commandLine.inputs[0];
  request.object =
      commandLine.Has(kOutput) ? commandLine.Last(kOutput) : WithExtension(FileNameOf(request.source), ".o");
  request.dependFile = commandLine.Last(kDepend);
  if (commandLine.Has(kAssemblyListing)) {
    request.listingFile = WithExtension(request.object, commandLine.Has(kInterleave) ? ".txt" : ".s");
  }
  request.bigEndian = commandLine.LastOf({kBigEndian, kLittleEndian}) == kBigEndian;
  // -J folders come after every -I folder.
  std::vector<std::string> system = commandLine.All(kSystemInclude);
  request.search.folders = commandLine.All(kInclude);
  request.search.folders.insert(request.search.folders.end(), system.begin(), system.end());
  return request;
}

int Run(const CommandLine& commandLine) {
  if (commandLine.Last(kCpu) == "list") {
    WriteOut(CpuList());
    return 0;
  }
  Reporter reporter;
  if (commandLine.inputs.size() != 1) {
    return FailTool(kArmcc, reporter, "C9900U", "The emulator compiles exactly one source file per run.");
  }
  const std::string& source = commandLine.inputs[0];
  if (!IsCSource(source)) {
    reporter.Report({"", Severity::kError, "C4065E", "type of input file '" + source + "' unknown"});
    return FinishTool(kArmcc, reporter.Counts());
  }
  if (!commandLine.Has(kCompileOnly)) {
    return FailTool(kArmcc, reporter, "C9901U", "Linking through armcc is not emulated; compile with -c.");
  }
  Translate(kArmcc, Language(), Request(commandLine), Listing, reporter);
  if (reporter.Counts().Any()) PrintError(CompilerSummary(source, reporter.Counts()));
  return FinishTool(kArmcc, reporter.Counts());
}

}  // namespace
}  // namespace zrt::tools

int main(int argc, char** argv) {
  using namespace zrt::tools;
  return RunTool(kArmcc, Options(), argc, argv, Run);
}
