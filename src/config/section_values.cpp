#include "src/config/section_values.h"

#include <cstdio>
#include <cstring>

#include "src/config/value_scanner.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

// The text of a "(...)" field as "%[^)]" reads it: everything after the first "(".
std::string AfterOpening(const std::string& piece) {
  size_t open = piece.find('(');
  return open == std::string::npos ? piece : piece.substr(open + 1);
}

std::string Parenthesised(const std::string& text) { return "(" + EscapeParentheses(text) + ")"; }

// "%d,%d,..." with count conversions.
std::string RepeatedFormat(const char* one, const char* separator, int count) {
  std::string format;
  for (int i = 0; i < count; ++i) format += (i ? separator : "") + std::string(one);
  return format;
}

}  // namespace

int ReadFlags(const char* text, int* flags, int count) {
  std::vector<ScanTarget> targets;
  for (int i = 0; i < count; ++i) targets.emplace_back(&flags[i]);
  return ScanValue(text, RepeatedFormat("%d", ",", count).c_str(), targets);
}

std::string FormatFlags(const int* flags, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "," : "") + std::to_string(flags[i]);
  return text;
}

FlaggedPath ReadFlaggedPath(const char* text) {
  FlaggedPath value;
  if (text == nullptr) return value;
  value.chosen = LeadingInt(text);
  const char* comma = std::strchr(text, ',');
  if (comma != nullptr) value.path = comma + 1;
  return value;
}

std::string FormatFlaggedPath(const FlaggedPath& value) { return std::to_string(value.chosen) + "," + value.path; }

int ReadUserCommands(const char* text, UserCommand pair[2]) {
  std::string first, second;
  int read = ScanValue(text, "%d,%[^)])#%d,%[^)])", {&pair[0].enabled, &first, &pair[1].enabled, &second});
  if (read >= 2) pair[0].command = UnescapeParentheses(AfterOpening(first));
  if (read >= 4) pair[1].command = UnescapeParentheses(AfterOpening(second));
  return read;
}

std::string FormatUserCommands(const UserCommand pair[2]) {
  return std::to_string(pair[0].enabled) + "," + Parenthesised(pair[0].command) + "#" +
         std::to_string(pair[1].enabled) + "," + Parenthesised(pair[1].command);
}

int ReadLinkerCode(const char* text, LinkerCode* value) {
  std::string list;
  int read = ScanValue(text, "%d,%d,%d,%d,%[^)])",
                       {&value->rwpi, &value->ropi, &value->noScanLib, &value->strict, &list});
  if (read == 5) value->suppressed = AfterOpening(list);
  return read;
}

std::string FormatLinkerCode(const LinkerCode& value) {
  int flags[] = {value.rwpi, value.ropi, value.noScanLib, value.strict};
  return FormatFlags(flags, 4) + ",(" + value.suppressed + ")";
}

bool ReadAddress(const char* text, uint32_t* address) { return ScanValue(text, "%x", {address}) == 1; }

std::string FormatAddress(uint32_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", address);
  return text;
}

AssemblerListing ReadAssemblerListing(const char* text) {
  AssemblerListing value;
  if (text == nullptr || text[0] == '\0') return value;
  value.listing = text[0] == '1';
  value.xref = text[1] != '\0' && text[2] == '1';
  return value;
}

std::string FormatAssemblerListing(const AssemblerListing& value) {
  return std::string(value.listing ? "1" : "0") + "," + (value.xref ? "1" : "0");
}

int ReadSimulatorDebug(const char* text, SimulatorDebug* value) {
  std::string script;
  int read = ScanValue(text, "%d,%d,%[^)]),%*[^)])", {&value->runToMain, &value->loadDebugInfo, &script});
  if (read == 3) value->script = UnescapeParentheses(AfterOpening(script));
  return read;
}

std::string FormatSimulatorDebug(const SimulatorDebug& value) {
  int flags[] = {value.runToMain, value.loadDebugInfo};
  return FormatFlags(flags, 2) + "," + Parenthesised(value.script) + ",()";
}

int ReadHardwareDebug(const char* text, HardwareDebug* value) {
  std::string script;
  int read = ScanValue(text, "%d,%d,%d,%[^)])", {&value->runToMain, &value->loadDebugInfo, &value->download, &script});
  if (read == 4) value->script = UnescapeParentheses(AfterOpening(script));
  return read;
}

std::string FormatHardwareDebug(const HardwareDebug& value) {
  int flags[] = {value.runToMain, value.loadDebugInfo, value.download};
  return FormatFlags(flags, 3) + "," + Parenthesised(value.script);
}

int ReadDriverChoice(const char* text, DriverChoice* value) {
  std::string driver, path;
  int read = ScanValue(text, "%[^)]),%[^)])", {&driver, &path});
  if (read >= 1) ScanValue(AfterOpening(driver).c_str(), "%s %d", {&value->typeName, &value->number});
  if (read == 2) value->path = UnescapeParentheses(AfterOpening(path));
  return read;
}

std::string FormatDriverChoice(const DriverChoice& value) {
  if (value.typeName.empty()) return "(),()";
  return "(" + value.typeName + " " + std::to_string(value.number) + ")," + Parenthesised(value.path);
}

}  // namespace zrt
