#include "src/build/tool_output.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "src/build/text_format.h"
#include "src/core/host_callbacks.h"
#include "src/core/project_context.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

// Reads one line the way the tools' diagnostic formats are scanned: literals, character
// sets of at least one character, and a skipped word. Each read field is cut to its
// limit; the scan stops at the first directive that does not match.
class LineScanner {
 public:
  explicit LineScanner(std::string_view line) : line_(line) {}

  bool Literal(char c) {
    if (pos_ >= line_.size() || line_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  // One or more characters up to (not including) the first of stops or the line's end.
  bool Field(const char* stops, int limit, std::string* out) {
    size_t start = pos_;
    while (pos_ < line_.size() && std::strchr(stops, line_[pos_]) == nullptr) ++pos_;
    if (pos_ == start) return false;
    *out = std::string(line_.substr(start, std::min(pos_ - start, static_cast<size_t>(limit))));
    return true;
  }

  // Blanks, then one or more non-blank characters, as "%*s" skips a word.
  bool SkipWord() {
    while (pos_ < line_.size() && IsSpace(line_[pos_])) ++pos_;
    size_t start = pos_;
    while (pos_ < line_.size() && !IsSpace(line_[pos_])) ++pos_;
    return pos_ > start;
  }

 private:
  static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

  std::string_view line_;
  size_t pos_ = 0;
};

// A diagnostic as it is written back: "path(line):kind:code:message\r\n".
struct Diagnostic {
  std::string file;
  std::string location;
  std::string kind;
  std::string code;
  std::string message;
};

// Counts the fields of a compiler or assembler line: "file", word line:kind:code:message.
int ScanCompilerLine(std::string_view line, Diagnostic* d) {
  LineScanner s(line);
  if (!s.Literal('"') || !s.Field("\"", kFileFieldLimit, &d->file)) return 0;
  if (!s.Literal('"') || !s.Literal(',') || !s.SkipWord() || !s.Field(":", kShortFieldLimit, &d->location)) return 1;
  if (!s.Literal(':') || !s.Field(":", kShortFieldLimit, &d->kind)) return 2;
  if (!s.Literal(':') || !s.Field(":", kShortFieldLimit, &d->code)) return 3;
  if (!s.Literal(':') || !s.Field("\n", kLongFieldLimit, &d->message)) return 4;
  return 5;
}

// Counts the colon-separated fields of a linker or librarian line.
int ScanLinkerLine(std::string_view line, std::string fields[4]) {
  LineScanner s(line);
  const int limits[4] = {kLinkerFirstFieldLimit, kShortFieldLimit, kLongFieldLimit, kLongFieldLimit};
  for (int i = 0; i < 4; ++i) {
    if (i > 0 && !s.Literal(':')) return i;
    if (!s.Field(i < 3 ? ":" : "\n", limits[i], &fields[i])) return i;
  }
  return 4;
}

// A linker field that names a file: "file", word location.
void ScanFileReference(const std::string& field, Diagnostic* d) {
  LineScanner s(field);
  if (s.Literal('"') && s.Field("\"", kFileFieldLimit, &d->file) && s.Literal('"') && s.Literal(',') && s.SkipWord()) {
    s.Field(")", kShortFieldLimit, &d->location);
  }
}

void WriteRewritten(const Diagnostic& d) {
  std::string path;
  if (!d.file.empty()) path = Context().fileSystem->FullPath(d.file).substr(0, kAbsolutePathLimit);
  host::WriteOutput(Format("%s(%d):%s:%s:%s\r\n", path.c_str(), LeadingInt(d.location.c_str()), d.kind.c_str(),
                           d.code.c_str(), d.message.c_str())
                        .c_str());
}

struct Counts {
  int errors = 0;
  int warnings = 0;
};

void ParseCompilerLine(std::string_view line, Counts* counts) {
  Diagnostic d;
  if (ScanCompilerLine(line, &d) != 5) return;
  WriteRewritten(d);
  if (d.kind == " Error") {
    ++counts->errors;
  } else if (d.kind == " Warning") {
    ++counts->warnings;
  }
}

void ParseLinkerLine(std::string_view line, Counts* counts) {
  std::string fields[4];
  if (ScanLinkerLine(line, fields) < 3) return;
  if (fields[0] == "Error" || fields[0] == "Fatal error" || fields[0] == "Warning") {
    ++(fields[0] == "Warning" ? counts->warnings : counts->errors);
    host::WriteOutput(std::string(line).c_str());
  } else if (fields[1] == " Error" || fields[1] == " Warning") {
    ++(fields[1] == " Warning" ? counts->warnings : counts->errors);
    Diagnostic d;
    ScanFileReference(fields[0], &d);
    if (!d.location.empty()) d.location += ")";
    d.kind = fields[1];
    d.code = fields[2];
    d.message = fields[3];
    WriteRewritten(d);
  } else {
    host::WriteOutput(std::string(line).c_str());
  }
}

}  // namespace

int ParseToolOutput(const char* text, int length, int mode, int* warnings) {
  if (text == nullptr) return 0;
  std::string_view all(text, length > 0 ? static_cast<size_t>(length) : 0);
  Counts counts;
  std::string directory = GetProjectDirectory();
  if (!directory.empty()) Context().fileSystem->SetCurrentDirectory(directory);
  for (size_t start = 0, end; (end = all.find('\n', start)) != std::string_view::npos; start = end + 1) {
    std::string_view line = all.substr(start, end + 1 - start);
    if (mode == kCompilerOutput) ParseCompilerLine(line, &counts);
    if (mode == kLinkerOutput) ParseLinkerLine(line, &counts);
  }
  if (warnings != nullptr) *warnings = counts.warnings;
  if (counts.errors == 0 && counts.warnings == 0 && !all.empty()) {
    host::WriteOutput(std::string(all).c_str());
    bool linkerSummary = mode == kLinkerOutput && all.substr(0, 12) == "Program Size";
    return linkerSummary ? 0 : 1;
  }
  return counts.errors;
}

}  // namespace zrt
