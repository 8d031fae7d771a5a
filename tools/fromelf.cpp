// fromelf stand-in: converts an image written by the armlink stand-in (or any 32-bit
// ELF executable) into Intel HEX (--i32, --i32combined) or a binary (--bin: one file,
// or a folder with one file per load region when there are several). Silent on
// success, as the real tool.
#include <algorithm>

#include "tools/common/elf_file.h"
#include "tools/common/files.h"
#include "tools/common/intel_hex.h"
#include "tools/common/tool.h"

namespace zrt::tools {
namespace {

enum FromelfOption { kOutput = kFirstToolOption, kHex, kBinary };

const ToolProfile kFromelf = {
    "fromelf", "an image converter",   "[options] image --output file", "Q9901U", "Q9902U", "Q9903U", "Q9904U",
    "Q0108E",  Closing::kFinishedLine,
};

const OptionTable& Options() {
  static const OptionTable kRows = {
      {"--output", Argument::kValue, kOutput, "File (or, for a --bin of several regions, folder) to write"},
      {"-o", Argument::kValue, kOutput, "Same as --output"},
      {"--i32combined", Argument::kNone, kHex, "Intel HEX-32 of all load regions in one file"},
      {"--i32", Argument::kNone, kHex, "Intel HEX-32 (all load regions in one file)"},
      {"--bin", Argument::kNone, kBinary, "Plain binary of each load region"},
  };
  return kRows;
}

class Converter {
 public:
  explicit Converter(const CommandLine& commandLine) : commandLine_(commandLine) {}

  int Run() {
    ElfImage image;
    if (ReadRequest() && ReadImage(&image)) {
      if (commandLine_.LastOf({kHex, kBinary}) == kHex) {
        WriteHex(image);
      } else {
        WriteBinary(image);
      }
    }
    return FinishTool(kFromelf, reporter_.Counts());
  }

 private:
  bool Fail(const std::string& code, const std::string& text) {
    reporter_.Report({"", Severity::kError, code, text});
    return false;
  }

  bool ReadRequest() {
    if (commandLine_.inputs.size() != 1) return Fail("Q9905E", "The emulator converts exactly one image per run.");
    if (commandLine_.LastOf({kHex, kBinary}) == 0) return Fail("Q9906E", "No output format given (--i32, --bin).");
    output_ = commandLine_.Last(kOutput);
    if (output_.empty()) return Fail("Q9907E", "No output file given (--output).");
    return true;
  }

  bool ReadImage(ElfImage* image) {
    const std::string& input = commandLine_.inputs[0];
    std::string content, reason;
    if (!ReadInputFile(input, &content, &reason))
      return Fail("Q9908E", "Could not open file '" + input + "': " + reason);
    if (!ReadImageFile(content, image, &reason)) return Fail("Q9909E", "'" + input + "' is not an image: " + reason);
    return true;
  }

  void WriteHex(const ElfImage& image) {
    std::vector<HexBlock> blocks;
    for (const ImageSegment& segment : image.segments) blocks.push_back({segment.loadAddress, segment.bytes});
    std::sort(blocks.begin(), blocks.end(), [](const HexBlock& a, const HexBlock& b) { return a.address < b.address; });
    WriteToolOutput(kFromelf, reporter_, output_, HostText(MakeIntelHex(blocks, image.entry)));
  }

  // One region: the file. Several: a folder of that name, one file per region.
  void WriteBinary(const ElfImage& image) {
    if (image.segments.size() <= 1) {
      WriteToolOutput(kFromelf, reporter_, output_, image.segments.empty() ? "" : image.segments[0].bytes);
      return;
    }
    std::string reason;
    if (!MakeFolders(output_, &reason)) {
      std::string path = output_ + "\\" + FileName(image, 0);
      Fail("Q0147E",
           "Failed to create Directory " + path + ": " + (reason == "Not a directory" ? "File exists" : reason));
      return;
    }
    for (size_t i = 0; i < image.segments.size(); ++i) {
      if (!WriteToolOutput(kFromelf, reporter_, output_ + "\\" + FileName(image, i), image.segments[i].bytes)) return;
    }
  }

  // The file name of a region's binary: the region's name, unless that could leave the
  // folder or is empty.
  static std::string FileName(const ElfImage& image, size_t index) {
    const std::string& name = image.segments[index].name;
    bool safe = !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
    return safe ? name : "LR" + std::to_string(index);
  }

  const CommandLine& commandLine_;
  Reporter reporter_;
  std::string output_;
};

int Run(const CommandLine& commandLine) { return Converter(commandLine).Run(); }

}  // namespace
}  // namespace zrt::tools

int main(int argc, char** argv) {
  using namespace zrt::tools;
  return RunTool(kFromelf, Options(), argc, argv, Run);
}
