// Finds, line by line, the source lines the emulator acts on:
//   C:         #include "file", #include <file>, #error text, #warning text
//   assembler: [label] INCLUDE file, [label] GET file, #error text, #warning text
// Comments are skipped: /* */ (across lines) and // in C, ; in assembler.
#pragma once

#include <string>

namespace zrt::tools {

enum class SourceSyntax { kC, kAssembler };

enum class DirectiveKind { kNone, kInclude, kSystemInclude, kError, kWarning };

// What one line asks for; argument is the file name or the marker's text.
struct Directive {
  DirectiveKind kind = DirectiveKind::kNone;
  std::string argument;
  size_t column = 0;  // where the directive starts in the line
};

// Reads the lines of one file in order.
class DirectiveReader {
 public:
  explicit DirectiveReader(SourceSyntax syntax) : syntax_(syntax) {}

  // The directive on line (without its line end); kNone for any other line.
  Directive Read(const std::string& line);

 private:
  std::string StripComments(const std::string& line);
  Directive ReadAssemblerInclude(const std::string& code) const;

  SourceSyntax syntax_;
  bool inBlockComment_ = false;
};

}  // namespace zrt::tools
