#include "src/convert/uv2_options.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "src/config/memory_areas.h"
#include "src/config/section_values.h"
#include "src/config/value_scanner.h"
#include "src/convert/uvproj_options.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

constexpr int kKeep = -1;

// Output words "NAME=1" / "NAME=0", in file order, and what each sets (kKeep: nothing).
struct OutputWord {
  const char* name;
  int OutputKeys::*key;
  int whenOne;
  int whenZero;
};
const OutputWord kOutputWords[] = {
    {"GenApp", &OutputKeys::OutType, kKeep, 2},
    {"GenHex", &OutputKeys::OutHex, 1, kKeep},
    {"Debug", &OutputKeys::Debug, 1, 0},
    {"Browse", &OutputKeys::Browse, 1, kKeep},
};

// User-command keywords, in file order.
struct UserWord {
  const char* keyword;
  std::string UserKeys::*key;
};
const UserWord kUserWords[] = {
    {"RunUsr", &UserKeys::AfB},
    {"BrunUsr", &UserKeys::BfB},
    {"CrunUsr", &UserKeys::BfC},
};

// The ten memory areas in OCR_RVCT order: which bit of which ADSTFLGA number (0-based)
// enables it and which sets its startup or no-init flag.
struct AreaBits {
  int enabledField;
  int enabledBit;
  int flagField;
  int flagBit;
};
constexpr int kF3 = 2, kF4 = 3, kF7 = 6, kF8 = 7;
const AreaBits kAreaBits[] = {
    {kF7, 0x40, kF3, 0x40}, {kF7, 0x80, kF3, 0x80}, {kF8, 0x01, kF4, 0x01},  // XROM 1-3
    {kF8, 0x02, kF4, 0x02}, {kF8, 0x04, kF4, 0x04},                          // IROM 1-2
    {kF8, 0x08, kF3, 0x02}, {kF8, 0x10, kF3, 0x04}, {kF8, 0x20, kF3, 0x08},  // XRAM 1-3
    {kF8, 0x40, kF3, 0x10}, {kF8, 0x80, kF3, 0x20},                          // IRAM 1-2
};
constexpr int kAreaCount = 10;
constexpr int kFirstXrom = 0, kFirstIrom = 3, kFirstXram = 5, kFirstIram = 8;
constexpr int kNumbersPerArea = 9;

int Bit(int value, int mask) { return (value & mask) ? 1 : 0; }

// Finds keyword in the block and reads count numbers of its "{ ... }" line into numbers.
bool ReadFlagsLine(Uv2Text& text, const char* keyword, int* numbers, int count) {
  if (!text.FindInBlock(keyword)) return false;
  std::string format = "%*[ {]";
  std::vector<ScanTarget> targets;
  for (int i = 0; i < count; ++i) {
    format += "%d,";
    targets.emplace_back(&numbers[i]);
  }
  format += "%*[^}]}";
  return ScanValue(text.RestOfLine().c_str(), format.c_str(), targets) == count;
}

// Finds keyword in the block and takes its text into *value when there is one.
bool ReadKeywordText(Uv2Text& text, const char* keyword, std::string* value) {
  if (!text.FindInBlock(keyword)) return false;
  KeywordText(text.RestOfLine(), value);
  return true;
}

bool ReadOutputWords(Uv2Text& text, OutputKeys* output) {
  for (const OutputWord& row : kOutputWords) {
    std::string word;
    std::string name = std::string(row.name) + "=";
    do {
      if (!text.FindInBlock(name.c_str(), true, &word)) return false;
    } while (word != name + "1" && word != name + "0");
    int value = word == name + "1" ? row.whenOne : row.whenZero;
    if (value != kKeep) output->*row.key = value;
  }
  return true;
}

// One "INDEX ENABLED <command>" line into a user-command value.
bool ReadUserLine(const std::string& rest, std::string* value) {
  int index = 0, enabled = 0;
  std::string command;
  if (ScanValue(rest.c_str(), "%d%d %[^>]>", {&index, &enabled, &command}) != 3) return false;
  if (!command.empty() && command[0] == '<') command.erase(0, 1);
  std::string half = std::to_string(enabled) + ",(" + EscapeParentheses(command) + ")";
  *value = index == 0 ? half + "#" : *value + half;
  return true;
}

bool ReadUserWords(Uv2Text& text, UserKeys* user) {
  for (const UserWord& row : kUserWords) {
    if (!text.FindInBlock(row.keyword) || !ReadUserLine(text.RestOfLine(), &(user->*row.key))) return false;
    // Further lines of the same keyword follow directly.
    for (;;) {
      size_t mark = text.Position();
      std::string word;
      if (!text.NextWord(&word) || word != row.keyword) {
        text.Seek(mark);
        break;
      }
      if (!ReadUserLine(text.RestOfLine(), &(user->*row.key))) return false;
    }
  }
  return true;
}

// The numbers inside "{ ... }" of rest, appended to numbers up to limit.
void AppendAreaNumbers(const std::string& rest, std::vector<int>* numbers, size_t limit) {
  size_t open = rest.find('{');
  if (open == std::string::npos) return;
  for (size_t at = open + 1; at < rest.size() && rest[at] != '}' && numbers->size() < limit;) {
    size_t end = rest.find_first_of(",}", at);
    numbers->push_back(LeadingInt(rest.substr(at, end == std::string::npos ? std::string::npos : end - at).c_str()));
    if (end == std::string::npos || rest[end] == '}') break;
    at = end + 1;
  }
}

uint32_t LittleEndian(const int* bytes) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint32_t>(bytes[i] & 0xFF);
  return value;
}

// The ten areas: one OCR_RVCT line of 90 numbers, or several lines of nine each.
bool ReadMemoryAreaLines(Uv2Text& text, const int* flags, TargetKeys* target) {
  std::vector<int> numbers;
  const size_t wanted = kAreaCount * kNumbersPerArea;
  while (numbers.size() < wanted) {
    if (!text.FindInBlock("OCR_RVCT")) return false;
    AppendAreaNumbers(text.RestOfLine(), &numbers, wanted);
  }
  MemoryArea areas[kAreaCount];
  for (int i = 0; i < kAreaCount; ++i) {
    const int* group = &numbers[i * kNumbersPerArea];
    const AreaBits& bits = kAreaBits[i];
    areas[i] = {Bit(flags[bits.enabledField], bits.enabledBit), LittleEndian(group + 1), LittleEndian(group + 5),
                Bit(flags[bits.flagField], bits.flagBit)};
  }
  target->XROM = FormatMemoryAreas(&areas[kFirstXrom], kExternalAreaCount);
  target->IROM = FormatMemoryAreas(&areas[kFirstIrom], kOnChipAreaCount);
  target->XRAM = FormatMemoryAreas(&areas[kFirstXram], kExternalAreaCount);
  target->IRAM = FormatMemoryAreas(&areas[kFirstIram], kOnChipAreaCount);
  return true;
}

bool ReadTargetFlags(Uv2Text& text, TargetKeys* target, int* thumb) {
  int f[8] = {};
  if (!text.FindInBlock("GLFLAGS=", true) || !ReadFlagsLine(text, "ADSTFLGA", f, 8)) return false;
  if (f[0] & 0x01) target->OP = 1;
  if (f[3] & 0x10) target->McLib = 1;
  if (f[6] & 0x01) target->Cross = 1;
  *thumb = Bit(f[5], 0x04);
  return ReadMemoryAreaLines(text, f, target);
}

// A decimal or hexadecimal digit's value; -1 for any other character.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

int OptimisationLevel(int c1) {
  if (c1 & 0x10) return 3;
  switch (c1 & 0x0C) {
    case 0x04:
      return 0;
    case 0x08:
      return 1;
    default:
      return 2;
  }
}

}  // namespace

bool KeywordText(const std::string& rest, std::string* text) {
  if (rest.size() <= 2) return false;
  size_t open = rest.find('(');
  size_t start = open == std::string::npos ? 0 : open + 1;
  size_t end = rest.size() - 1;
  *text = start < end ? rest.substr(start, end - start) : std::string();
  return true;
}

uint32_t Uv2Number(const std::string& text) {
  bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  uint64_t base = hex ? 16 : 10, value = 0;
  for (size_t i = hex ? 2 : 0; i < text.size(); ++i) {
    int digit = DigitValue(text[i]);
    if (digit < 0 || static_cast<uint64_t>(digit) >= base) break;
    value = std::min<uint64_t>(value * base + static_cast<uint64_t>(digit), UINT32_MAX);
  }
  return static_cast<uint32_t>(value);
}

bool ReadUv2TargetBlock(Uv2Text& text, TargetRecord* record, int* thumb) {
  return ReadOutputWords(text, &record->output) && ReadUserWords(text, &record->user) &&
         ReadTargetFlags(text, &record->target, thumb) && ReadUv2CompilerRecord(text, *thumb, &record->compiler) &&
         ReadUv2AssemblerRecord(text, &record->assembler) && ReadUv2LinkerRecord(text, &record->linker);
}

bool ReadUv2CompilerRecord(Uv2Text& text, int thumb, CompilerKeys* keys) {
  int c[4] = {};
  if (!ReadFlagsLine(text, "ADSCCFLG", c, 4)) return false;
  int code[] = {thumb, Bit(c[0], 0x01), Bit(c[1], 0x08), Bit(c[1], 0x20), Bit(c[2], 0x20), Bit(c[2], 0x80)};
  int language[] = {Bit(c[1], 0x80), Bit(c[2], 0x02), Bit(c[2], 0x08), Bit(c[3], 0x02)};
  int opt[] = {OptimisationLevel(c[0]), Bit(c[1], 0x02)};
  keys->Code = FormatFlags(code, 6);
  keys->Language = FormatFlags(language, 4);
  keys->Opt = FormatFlags(opt, 2);
  if (!ReadKeywordText(text, "ADSCMISC", &keys->Misc) || !ReadKeywordText(text, "ADSCDEFN", &keys->Def)) return false;
  keys->Def = CommasToBlanks(keys->Def);
  return ReadKeywordText(text, "ADSCINCD", &keys->Inc);
}

bool ReadUv2AssemblerRecord(Uv2Text& text, AssemblerKeys* keys) {
  int a[2] = {};
  if (!ReadFlagsLine(text, "ADSASFLG", a, 2)) return false;
  int code[] = {Bit(a[0], 0x01), Bit(a[0], 0x04), Bit(a[0], 0x10), Bit(a[0], 0x40), Bit(a[1], 0x04), Bit(a[1], 0x01)};
  keys->Code = FormatFlags(code, 6);
  keys->Language = Bit(a[1], 0x10);
  if (!ReadKeywordText(text, "ADSAMISC", &keys->Misc) || !ReadKeywordText(text, "ADSADEFN", &keys->Def)) return false;
  keys->Def = CommasToBlanks(keys->Def);
  return ReadKeywordText(text, "ADSAINCD", &keys->Inc);
}

bool ReadUv2LinkerRecord(Uv2Text& text, LinkerKeys* keys) {
  int l = 0;
  if (!ReadFlagsLine(text, "ADSLDFG", &l, 1)) return false;
  keys->UseDef = Bit(l, 0x01);
  size_t start = text.Position();
  // Each keyword is looked for from the flags line on, wherever it stands in the block.
  auto find = [&](const char* keyword, std::string* value) {
    text.Seek(start);
    return ReadKeywordText(text, keyword, value);
  };
  std::string rom, ram, warnings;
  if (!find("ADSLDTA", &rom)) return false;
  keys->Rom = Uv2Number(rom);
  if (!find("ADSLDDA", &ram)) return false;
  keys->Ram = Uv2Number(ram);
  if (keys->UseDef == 0 && !find("ADSLDSC", &keys->Sct)) return false;
  if (!find("ADSLDMC", &keys->Misc) || !find("ADSLDDW", &warnings)) return false;
  int flags[] = {Bit(l, 0x04), Bit(l, 0x02), Bit(l, 0x08), Bit(l, 0x10)};
  keys->Code = FormatFlags(flags, 4) + ",(" + warnings + ")";
  return true;
}

}  // namespace zrt
