#include "platform/posix/reg_file.h"

#include "platform/code_page.h"

namespace zrt::platform {
namespace {

constexpr const char* kFormatLines[] = {"REGEDIT4", "Windows Registry Editor Version 5.00"};

// Decodes UTF-16LE bytes (after the byte-order mark) into ANSI; a character the code
// page lacks becomes '?'.
std::string Utf16ToAnsi(const std::string& bytes) {
  std::string out;
  auto unit = [&bytes](size_t i) {
    auto byte = [&bytes](size_t at) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])); };
    return byte(i) | byte(i + 1) << 8;
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t codePoint = unit(i);
    if (codePoint >= 0xD800 && codePoint < 0xDC00 && i + 3 < bytes.size()) {
      uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    if (!AppendCodePointAsAnsi(codePoint, &out)) out += '?';
  }
  return out;
}

// Lines without their end (LF or CRLF) and trailing blanks.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    line.erase(line.find_last_not_of(" \t\r") + 1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Reads a quoted text starting at line[*pos] == '"' with the escapes \\ and \"; on
// success *pos is just past the closing quote.
bool ReadQuoted(const std::string& line, size_t* pos, std::string* out) {
  for (size_t i = *pos + 1; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      *pos = i + 1;
      return true;
    }
    if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '\\' || line[i + 1] == '"')) c = line[++i];
    out->push_back(c);
  }
  return false;
}

std::string Quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// Parses a value line (@=... or "name"=...); false when line is none.
bool ParseValue(const std::string& line, RegLine* value) {
  std::string name;
  size_t pos = 0;
  if (line.empty()) return false;
  if (line[0] == '@') {
    pos = 1;
  } else if (line[0] != '"' || !ReadQuoted(line, &pos, &name)) {
    return false;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  value->isValue = true;
  value->name = name;
  size_t end = pos + 1;
  std::string data;
  value->isString = end < line.size() && line[end] == '"' && ReadQuoted(line, &end, &data) && end == line.size();
  if (value->isString) value->data = data;
  return true;
}

}  // namespace

RegFile ParseRegFile(const std::string& text) {
  bool utf16 = text.size() >= 2 && text[0] == '\xFF' && text[1] == '\xFE';
  std::vector<std::string> lines = SplitLines(utf16 ? Utf16ToAnsi(text.substr(2)) : text);
  RegFile file;
  bool formatSeen = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    if (!formatSeen && file.sections.empty() && file.preamble.empty()) {
      formatSeen = line == kFormatLines[0] || line == kFormatLines[1];
      if (formatSeen) continue;
    }
    if (line[0] == '[') {
      size_t close = line.rfind(']');
      size_t length = close == std::string::npos ? std::string::npos : close - 1;
      file.sections.push_back(RegSection{line.substr(1, length), {}});
      continue;
    }
    RegLine entry;
    entry.raw = line;
    // A value of another kind (hex:...) may go on over lines ending in '\'.
    if (ParseValue(line, &entry) && !entry.isString) {
      while (entry.raw.back() == '\\' && i + 1 < lines.size()) entry.raw += "\n" + lines[++i];
    }
    (file.sections.empty() ? file.preamble : file.sections.back().lines).push_back(entry);
  }
  return file;
}

std::string FormatRegFile(const RegFile& file) {
  std::string text = std::string(kFormatLines[0]) + "\n\n";
  for (const RegLine& line : file.preamble) text += line.raw + "\n";
  if (!file.preamble.empty()) text += "\n";
  for (const RegSection& section : file.sections) {
    text += "[" + section.header + "]\n";
    for (const RegLine& line : section.lines) text += line.raw + "\n";
    text += "\n";
  }
  return text;
}

RegLine MakeStringValue(const std::string& name, const std::string& data) {
  RegLine line;
  line.isValue = true;
  line.isString = true;
  line.name = name;
  line.data = data;
  line.raw = (name.empty() ? "@" : Quote(name)) + "=" + Quote(data);
  return line;
}

}  // namespace zrt::platform
