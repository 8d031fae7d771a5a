#include "tools/common/directive_reader.h"

#include <cctype>

namespace zrt::tools {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\r'; }

size_t SkipBlanks(const std::string& text, size_t position) {
  while (position < text.size() && IsBlank(text[position])) ++position;
  return position;
}

std::string Trimmed(const std::string& text) {
  size_t start = SkipBlanks(text, 0);
  size_t end = text.size();
  while (end > start && IsBlank(text[end - 1])) --end;
  return text.substr(start, end - start);
}

// The word starting at position (letters, digits, '_'); position moves past it.
std::string ReadWord(const std::string& text, size_t* position) {
  size_t start = *position;
  while (*position < text.size() &&
         (std::isalnum(static_cast<unsigned char>(text[*position])) || text[*position] == '_')) {
    ++*position;
  }
  return text.substr(start, *position - start);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The file name of an include: the text up to the closing character; "" when it is
// missing.
std::string Enclosed(const std::string& text, size_t open, char close) {
  size_t end = text.find(close, open + 1);
  return end == std::string::npos ? "" : text.substr(open + 1, end - open - 1);
}

// A '#' line: include or marker. column is the position of the '#'.
Directive ReadHashDirective(const std::string& code, size_t column, SourceSyntax syntax) {
  size_t position = SkipBlanks(code, column + 1);
  std::string word = ReadWord(code, &position);
  std::string rest = Trimmed(code.substr(position));
  Directive directive;
  directive.column = column;
  if (word == "error" || word == "warning") {
    directive.kind = word == "error" ? DirectiveKind::kError : DirectiveKind::kWarning;
    directive.argument = rest;
  } else if (word == "include" && syntax == SourceSyntax::kC && !rest.empty() && (rest[0] == '"' || rest[0] == '<')) {
    directive.argument = Enclosed(rest, 0, rest[0] == '"' ? '"' : '>');
    if (!directive.argument.empty()) {
      directive.kind = rest[0] == '"' ? DirectiveKind::kInclude : DirectiveKind::kSystemInclude;
    }
  }
  return directive;
}

}  // namespace

Directive DirectiveReader::Read(const std::string& line) {
  std::string code = StripComments(line);
  size_t start = SkipBlanks(code, 0);
  if (start < code.size() && code[start] == '#') return ReadHashDirective(code, start, syntax_);
  if (syntax_ == SourceSyntax::kAssembler) return ReadAssemblerInclude(code);
  return {};
}

// Blanks out comments; in C a block comment may run on over the next lines. A double
// quote opens a string (to its close or the line end) in which comment marks are text.
std::string DirectiveReader::StripComments(const std::string& line) {
  std::string code = line;
  bool inString = false;
  for (size_t i = 0; i < code.size(); ++i) {
    if (inBlockComment_) {
      if (code.compare(i, 2, "*/") == 0) {
        inBlockComment_ = false;
        code[i++] = ' ';
      }
      code[i] = ' ';
    } else if (code[i] == '"') {
      inString = !inString;
    } else if (inString) {
      continue;
    } else if (syntax_ == SourceSyntax::kAssembler ? code[i] == ';' : code.compare(i, 2, "//") == 0) {
      return code.substr(0, i);
    } else if (syntax_ == SourceSyntax::kC && code.compare(i, 2, "/*") == 0) {
      inBlockComment_ = true;
      code[i++] = ' ';
      code[i] = ' ';
    }
  }
  return code;
}

// "[label] INCLUDE file" or "[label] GET file": a label starts in the first column, the
// directive follows a blank. The file name may be quoted.
Directive DirectiveReader::ReadAssemblerInclude(const std::string& code) const {
  size_t position = 0;
  if (!code.empty() && !IsBlank(code[0])) {
    while (position < code.size() && !IsBlank(code[position])) ++position;
  }
  position = SkipBlanks(code, position);
  size_t column = position;
  std::string word = Upper(ReadWord(code, &position));
  if ((word != "INCLUDE" && word != "GET") || position == code.size() || !IsBlank(code[position])) return {};
  std::string name = Trimmed(code.substr(position));
  if (!name.empty() && name[0] == '"') name = Enclosed(name, 0, '"');
  if (name.empty()) return {};
  return {DirectiveKind::kInclude, name, column};
}

}  // namespace zrt::tools
