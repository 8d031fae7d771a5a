// The grammars of the composite section values: each has a reader that fills what it
// can parse (fields it cannot reach keep their values, as the pages and builders rely on)
// and a writer that produces the stored text.
#pragma once

#include <cstdint>
#include <string>

namespace zrt {

// Reads count numbers "%d,%d,..." (Code, Language, Opt, linker List) into flags; answers
// how many were read.
int ReadFlags(const char* text, int* flags, int count);
// count numbers joined by ",".
std::string FormatFlags(const int* flags, int count);

// OutName and OutList: a flag (1 = chosen by the user) and a path after the first ",".
struct FlaggedPath {
  int chosen = 0;
  std::string path;
};
// The leading number and the text after the first "," ("" without one); null reads as {0, ""}.
FlaggedPath ReadFlaggedPath(const char* text);
// "%d,%s".
std::string FormatFlaggedPath(const FlaggedPath& value);

// One of the two commands of BfC, BfB and AfB.
struct UserCommand {
  int enabled = 0;
  std::string command;  // unescaped
};
// Reads "%d,%[^)])#%d,%[^)])" into pair[0] and pair[1], each command being the text after
// its "(", unescaped; answers the number of fields read (0 to 4).
int ReadUserCommands(const char* text, UserCommand pair[2]);
// "%d,(%s)#%d,(%s)" with the commands escaped.
std::string FormatUserCommands(const UserCommand pair[2]);

// The linker Code value.
struct LinkerCode {
  int rwpi = 0;
  int ropi = 0;
  int noScanLib = 0;
  int strict = 0;
  std::string suppressed;  // warning numbers, comma-separated
};
// Reads "%d,%d,%d,%d,%[^)])"; the list is the text after its "("; answers the fields read
// (5 also for an empty list "()").
int ReadLinkerCode(const char* text, LinkerCode* value);
// "%d,%d,%d,%d,(%s)".
std::string FormatLinkerCode(const LinkerCode& value);

// A Rom or Ram base address: hexadecimal, with or without "0x"; false when no digit.
bool ReadAddress(const char* text, uint32_t* address);
// "0x%08X".
std::string FormatAddress(uint32_t address);

// The assembler List value: first character "1" = listing, third character "1" = cross
// references.
struct AssemblerListing {
  bool listing = false;
  bool xref = false;
};
AssemblerListing ReadAssemblerListing(const char* text);
// "%d,%d".
std::string FormatAssemblerListing(const AssemblerListing& value);

// sfSIM: simulator settings.
struct SimulatorDebug {
  int runToMain = 0;
  int loadDebugInfo = 0;
  std::string script;  // unescaped
};
// Reads "%d,%d,%[^)]),%*[^)])", the script after its "(" and unescaped; answers the
// fields read (0 to 3).
int ReadSimulatorDebug(const char* text, SimulatorDebug* value);
// "%d,%d,(%s),()" with the script escaped.
std::string FormatSimulatorDebug(const SimulatorDebug& value);

// hwSIM: hardware debugging settings.
struct HardwareDebug {
  int runToMain = 0;
  int loadDebugInfo = 0;
  int download = 0;
  std::string script;  // unescaped
};
// Reads "%d,%d,%d,%[^)])", the script after its "(" and unescaped; answers the fields
// read (0 to 4).
int ReadHardwareDebug(const char* text, HardwareDebug* value);
// "%d,%d,%d,(%s)" with the script escaped.
std::string FormatHardwareDebug(const HardwareDebug& value);

// Drv: the chosen target driver.
struct DriverChoice {
  std::string typeName;  // "RDI", "JDI", "AGDI"; empty: no driver
  int number = 0;
  std::string path;  // unescaped
};
// Reads "%[^)]),%[^)])"; the first part after its "(" is read with "%s %d" (type name and
// number, each kept when absent), the path is the second part after its "(", unescaped.
// Answers the parts read (0 to 2).
int ReadDriverChoice(const char* text, DriverChoice* value);
// "(%s %d),(%s)" with the path escaped; "(),()" without a type name.
std::string FormatDriverChoice(const DriverChoice& value);

}  // namespace zrt
