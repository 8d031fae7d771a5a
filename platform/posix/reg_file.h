// The text of a Windows ".reg" export, as the POSIX registry store keeps it: sections of
// lines, string values decoded, every other line kept as written so that rewriting the
// file loses nothing.
#pragma once

#include <string>
#include <vector>

namespace zrt::platform {

struct RegLine {
  bool isValue = false;   // a "name"=... or @=... line
  bool isString = false;  // a value of the form "text", decoded into data
  std::string name;       // value name, "" for the default value (@)
  std::string data;       // the decoded text of a string value
  std::string raw;        // the line as read (continuation lines joined by '\n')
};

struct RegSection {
  std::string header;  // the text between '[' and ']'
  std::vector<RegLine> lines;
};

struct RegFile {
  std::vector<RegLine> preamble;  // lines before the first section, without the format line
  std::vector<RegSection> sections;
};

// Reads .reg text: "REGEDIT4" or "Windows Registry Editor Version 5.00", LF or CRLF, ANSI
// or UTF-16LE with byte-order mark (turned into ANSI). Never fails: a line it does not
// understand is kept as it is.
RegFile ParseRegFile(const std::string& text);

// The file as REGEDIT4 text: string values written from their data, other lines as read.
std::string FormatRegFile(const RegFile& file);

// A string value line for name ("" for the default value) and data.
RegLine MakeStringValue(const std::string& name, const std::string& data);

}  // namespace zrt::platform
