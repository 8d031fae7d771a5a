#include "tools/common/assembler_listing.h"

#include <map>

#include "tools/common/format.h"

namespace zrt::tools {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The line without its comment (from a ';' outside double quotes).
std::string Code(const std::string& line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ';' && !quoted) return line.substr(0, i);
  }
  return line;
}

// The label of a line: a word in its first column ("" when there is none).
std::string Label(const std::string& code) {
  if (code.empty() || IsBlank(code[0]) || code[0] == '#') return "";
  size_t end = 0;
  while (end < code.size() && !IsBlank(code[end])) ++end;
  return code.substr(0, end);
}

// True when the line has a statement after its label.
bool HasStatement(const std::string& code) {
  size_t position = Label(code).size();
  while (position < code.size() && IsBlank(code[position])) ++position;
  return position < code.size() && code[position] != '#';
}

}  // namespace

std::string MakeAssemblerListing(const std::string& source, const std::vector<std::string>& lines,
                                 bool crossReference) {
  std::string text = "ZRTSettings ARM tool emulator: assembler listing of " + source + " (no code generated)\n\n";
  std::map<std::string, size_t> labels;
  uint32_t address = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string code = Code(lines[i]);
    text += Format("%9u %08x        ", static_cast<unsigned>(i + 1), address) + lines[i] + "\n";
    if (HasStatement(code)) address += 4;
    std::string label = Label(code);
    if (!label.empty()) labels.emplace(label, i + 1);
  }
  if (!crossReference) return text;
  text += "\nSymbol cross reference\n";
  for (const auto& [label, line] : labels) {
    text += "\nSymbol: " + label + "\n   Definitions\n" +
            Format("      At line %u in file ", static_cast<unsigned>(line)) + source + "\n";
  }
  return text;
}

}  // namespace zrt::tools
