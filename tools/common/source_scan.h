// Walks a source file and, depth first, the files it includes, as a preprocessor would:
// each include is recorded where it occurs (repeats too, as the real dependency files
// show them), each file's own text is read once (as if every header were guarded), and
// the markers the emulator knows are reported.
#pragma once

#include <string>
#include <vector>

#include "tools/common/directive_reader.h"
#include "tools/common/messages.h"

namespace zrt::tools {

enum class SourceEventKind { kErrorMarker, kWarningMarker, kMissingInclude, kMissingSource };

// Something the walk reports: where (file as named, 1-based line, the line's text and
// the directive's column) and the marker text or the file name that was not found.
struct SourceEvent {
  SourceEventKind kind;
  std::string file;
  int line = 0;
  std::string lineText;
  size_t column = 0;
  std::string argument;
};

// How a tool words one kind of event: severity, code, and the texts around the event's
// argument. location is null for the event's file and line, else the fixed location
// to print ("" for none).
struct EventWording {
  SourceEventKind kind;
  Severity severity;
  const char* code;
  const char* before;
  const char* after;
  const char* location;
};

// How a tool reads its sources and words its diagnostics.
struct SourceLanguage {
  SourceSyntax syntax;
  std::vector<EventWording> wordings;
  // True when a diagnostic with a line is followed by that line (indented by two blanks)
  // and a caret under the directive, as the compiler prints them.
  bool echoLine;
};

// Where included files are looked for: the including file's folder (for quoted names)
// and then each folder in order (-I, then -J).
struct IncludeSearch {
  std::vector<std::string> folders;
};

// What the walk found.
struct ScanResult {
  std::vector<std::string> dependencies;  // includes as resolved, in order, repeats kept
  std::string text;                       // each file's text once, in the order read
  std::vector<std::string> sourceLines;   // the primary source's lines
};

// Walks source. Answers false when the source cannot be read or a quoted include is
// not found (both reported; the walk stops there, as the real tools' are fatal). An
// include in angle brackets that is not found is skipped: the emulator has no system
// headers.
bool ScanSource(const std::string& source, const IncludeSearch& search, const SourceLanguage& language,
                Reporter& reporter, ScanResult* result);

// The lines of text, split at '\n', a '\r' before it dropped.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace zrt::tools
