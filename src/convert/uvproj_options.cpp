#include "src/convert/uvproj_options.h"

#include <algorithm>
#include <array>
#include <map>

#include "src/config/section_values.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

int NumberOf(const std::string& text) { return LeadingInt(text.c_str()); }

// The output flags of "TargetCommonOption", in file order.
struct OutputRow {
  const char* element;
  int OutputKeys::*key;
};
const OutputRow kOutputRows[] = {
    {"CreateHexFile", &OutputKeys::OutHex},
    {"DebugInformation", &OutputKeys::Debug},
    {"BrowseInformation", &OutputKeys::Browse},
    {"CreateBatchFile", &OutputKeys::OutBatch},
};

// The user-command pairs, in file order.
struct UserRow {
  const char* element;
  std::string UserKeys::*key;
};
const UserRow kUserRows[] = {
    {"BeforeCompile", &UserKeys::BfC},
    {"BeforeMake", &UserKeys::BfB},
    {"AfterMake", &UserKeys::AfB},
};

// Collects every child of the entered element by tag name (a later one replaces an
// earlier one), so that order and presence inside do not matter.
std::map<std::string, std::string> ChildTable(CXmlDocument& document) {
  std::map<std::string, std::string> table;
  while (document.FindChildElement(nullptr)) table[document.GetChildTagName()] = document.GetChildText();
  return table;
}

std::string UserCommandPair(std::map<std::string, std::string>& children) {
  UserCommand pair[2];
  pair[0] = {FlagOf(children["RunUserProg1"]), children["UserProg1Name"]};
  pair[1] = {FlagOf(children["RunUserProg2"]), children["UserProg2Name"]};
  return FormatUserCommands(pair);
}

enum ArmAdsMiscField { kBigEnd, kMos, kUseUlib, kCodeSel, kOptFeed, kArmAdsMiscCount };
const char* const kArmAdsMiscElements[kArmAdsMiscCount] = {"BigEnd", "mOS", "useUlib", "CodeSel", "OptFeed"};

enum CadsField {
  kCInterw,
  kOptim,
  kOTime,
  kCSplitLS,
  kOneElfS,
  kStrict,
  kEnumInt,
  kPlainCh,
  kCRopi,
  kCRwpi,
  kWLevel,
  kUThumb,
  kCadsCount
};
const char* const kCadsElements[kCadsCount] = {"interw",  "Optim",   "oTime", "SplitLS", "OneElfS", "Strict",
                                               "EnumInt", "PlainCh", "Ropi",  "Rwpi",    "wLevel",  "uThumb"};

enum AadsField { kAInterw, kARopi, kARwpi, kAThumb, kASplitLS, kSwStkChk, kNoWarn, kAadsCount };
const char* const kAadsElements[kAadsCount] = {"interw", "Ropi", "Rwpi", "thumb", "SplitLS", "SwStkChk", "NoWarn"};

enum ControlsField { kMiscControls, kDefine, kUndefine, kIncludePath, kControlsCount };
const char* const kControlsElements[kControlsCount] = {"MiscControls", "Define", "Undefine", "IncludePath"};

enum LdadsField {
  kUmfTarg,
  kLRopi,
  kLRwpi,
  kNoStLib,
  kRepFail,
  kTextRange,
  kDataRange,
  kScatterFile,
  kLMisc,
  kDisabledWarnings,
  kLdadsCount
};
const char* const kLdadsElements[kLdadsCount] = {
    "umfTarg",          "Ropi",        "Rwpi", "noStLib",         "RepFail", "TextAddressRange",
    "DataAddressRange", "ScatterFile", "Misc", "DisabledWarnings"};

// Numbers of the given fields of texts.
template <size_t N>
std::array<int, N> Numbers(const std::string* texts, const int (&fields)[N]) {
  std::array<int, N> numbers{};
  for (size_t i = 0; i < N; ++i) numbers[i] = NumberOf(texts[fields[i]]);
  return numbers;
}

// "VariousControls": Misc, Def, uDef and Inc of a C/C++ or assembler record.
template <typename Keys>
bool ReadVariousControls(XmlWalk& walk, Keys* keys) {
  std::string texts[kControlsCount];
  if (!walk.Enter("VariousControls", [&] { return walk.Texts(kControlsElements, kControlsCount, texts); })) {
    return false;
  }
  keys->Misc = texts[kMiscControls];
  keys->Def = CommasToBlanks(texts[kDefine]);
  keys->uDef = CommasToBlanks(texts[kUndefine]);
  keys->Inc = texts[kIncludePath];
  return true;
}

uint32_t AddressOf(const std::string& text) {
  uint32_t address = 0;
  return ReadAddress(text.c_str(), &address) ? address : 0;
}

}  // namespace

int FlagOf(const std::string& text) { return text == "1" ? 1 : 0; }

std::string CommasToBlanks(std::string text) {
  std::replace(text.begin(), text.end(), ',', ' ');
  return text;
}

bool ReadCommonOptions(XmlWalk& walk, OutputKeys* output, UserKeys* user) {
  std::string text;
  if (!walk.Text("CreateExecutable", &text)) return false;
  output->OutType = text == "1" ? 1 : 2;
  for (const OutputRow& row : kOutputRows) {
    if (!walk.Text(row.element, &text)) return false;
    output->*row.key = FlagOf(text);
  }
  for (const UserRow& row : kUserRows) {
    auto read = [&] {
      auto children = ChildTable(walk.Document());
      user->*row.key = UserCommandPair(children);
      return true;
    };
    if (!walk.Enter(row.element, read)) return false;
  }
  return true;
}

bool ReadArmAdsMisc(XmlWalk& walk, TargetKeys* target, int* thumb) {
  std::string texts[kArmAdsMiscCount];
  if (!walk.Texts(kArmAdsMiscElements, kArmAdsMiscCount, texts)) return false;
  target->OutBig = NumberOf(texts[kBigEnd]);
  target->OP = NumberOf(texts[kMos]);
  target->McLib = NumberOf(texts[kUseUlib]);
  *thumb = NumberOf(texts[kCodeSel]);
  target->Cross = NumberOf(texts[kOptFeed]);
  return true;
}

bool ReadCompilerBlock(XmlWalk& walk, int thumb, CompilerKeys* keys) {
  std::string texts[kCadsCount];
  if (!walk.Texts(kCadsElements, kCadsCount, texts)) return false;
  int opt[] = {std::max(NumberOf(texts[kOptim]) - 1, 0), NumberOf(texts[kOTime])};
  auto code = Numbers(texts, {kCInterw, kCSplitLS, kOneElfS, kCRopi, kCRwpi});
  int codeFlags[] = {thumb, code[0], code[1], code[2], code[3], code[4]};
  auto language = Numbers(texts, {kStrict, kEnumInt, kPlainCh});
  int languageFlags[] = {language[0], language[1], language[2], NumberOf(texts[kWLevel]) == 1 ? 1 : 0};
  if (!ReadVariousControls(walk, keys)) return false;
  keys->Opt = FormatFlags(opt, 2);
  keys->Code = FormatFlags(codeFlags, 6);
  keys->Language = FormatFlags(languageFlags, 4);
  return true;
}

bool ReadAssemblerBlock(XmlWalk& walk, AssemblerKeys* keys) {
  std::string texts[kAadsCount];
  if (!walk.Texts(kAadsElements, kAadsCount, texts)) return false;
  auto code = Numbers(texts, {kAInterw, kARopi, kARwpi, kAThumb, kSwStkChk, kASplitLS});
  if (!ReadVariousControls(walk, keys)) return false;
  keys->Code = FormatFlags(code.data(), 6);
  keys->Language = NumberOf(texts[kNoWarn]);
  return true;
}

bool ReadLinkerBlock(XmlWalk& walk, LinkerKeys* keys) {
  std::string texts[kLdadsCount];
  if (!walk.Texts(kLdadsElements, kLdadsCount, texts)) return false;
  keys->UseDef = NumberOf(texts[kUmfTarg]);
  auto flags = Numbers(texts, {kLRwpi, kLRopi, kNoStLib, kRepFail});
  keys->Code = FormatFlags(flags.data(), 4) + ",(" + texts[kDisabledWarnings] + ")";
  keys->Rom = AddressOf(texts[kTextRange]);
  keys->Ram = AddressOf(texts[kDataRange]);
  keys->Sct = texts[kScatterFile];
  keys->Misc = texts[kLMisc];
  return true;
}

}  // namespace zrt
