#include "src/build/compiler_command_line.h"

#include "src/build/text_format.h"
#include "src/config/device_description.h"
#include "src/config/section_chain.h"
#include "src/config/section_keys.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

// The fixed parts of the two tools' options (the blanks at either end belong to them).
const char* const kCompilerBaseWithDevice = "-c --device %s -I\"%s\" -o \"%s\" --depend \"%s\" ";
const char* const kCompilerBaseWithoutDevice = "-c  -I\"%s\" -o \"%s\" --depend \"%s\" ";
const char* const kAssemblerBaseWithDevice = " --device %s -I\"%s\" -o \"%s\" ";
const char* const kAssemblerBaseWithoutDevice = " -I\"%s\" -o \"%s\" ";

// The configuration and its ZRT_Output section the options are made for; either null
// when it cannot be found.
struct BuildTarget {
  HostNode* configuration;
  HostNode* output;
};

BuildTarget FindBuildTarget(HostNode* configuration, HostNode* output) {
  if (configuration == nullptr) configuration = GetCurrentConfiguration();
  if (configuration != nullptr && output == nullptr) output = FindChild(configuration, "ZRT_Output");
  return {configuration, output};
}

std::string ObjectPath(const std::string& objectName) {
  return ".\\" + Context().currentConfigurationName + "\\" + objectName;
}

void AppendIf(std::string* text, bool condition, const char* option) {
  if (condition) *text += option;
}

// The options both tools take in the same place: McLib and OutBig come first (in each
// tool's own words), then defines, include folders, the CMSIS folder and the CPU.
std::string LeadingOptions(const BuildTarget& target, const ResolvedSettings& settings, DefineStyle style,
                           const std::string& includes) {
  TargetKeys keys = ReadTargetKeys(target.configuration);
  std::string text;
  AppendIf(&text, keys.McLib != 0,
           style == DefineStyle::kCompiler ? " -D__MICROLIB" : " --pd \"__MICROLIB SETA 1\"");
  AppendIf(&text, keys.OutBig != 0, " --bi");
  if (!settings.Def.empty()) text += " " + BuildDefineOptions(settings.Def, style);
  if (!includes.empty()) text += " " + BuildIncludeOptions(includes);
  const ProjectContext& context = Context();
  if (!context.cmsisIncludeDirectory.empty()) text += " -I\"" + context.cmsisIncludeDirectory + "\" ";
  if (!context.cpuOption.empty()) text += " --cpu " + context.cpuOption;
  return text;
}

// Misc, the debug information and the interworking and position-independence options,
// which follow the base text in both tools.
std::string MiddleOptions(const BuildTarget& target, const ResolvedSettings& settings, int interwork, int ropi,
                          int rwpi, const std::string& optimisation) {
  std::string text;
  if (!settings.Misc.empty()) text += " " + settings.Misc;
  AppendIf(&text, ReadOutputKeys(target.output).Debug == 1, " -g --dwarf2");
  text += optimisation;
  AppendIf(&text, IsCortexM(Context().deviceRecord.information), " --apcs=interwork");
  AppendIf(&text, settings.Code[interwork] != 0, " --apcs=interwork");
  AppendIf(&text, settings.Code[ropi] != 0, " --apcs=/ropi");
  AppendIf(&text, settings.Code[rwpi] != 0, " --apcs=/rwpi");
  return text;
}

std::string CompilerBase(const std::string& objectName) {
  const ProjectContext& context = Context();
  std::string object = ObjectPath(objectName);
  std::string depend = DependencyPath(object);
  if (context.deviceOption.empty()) {
    return Format(kCompilerBaseWithoutDevice, context.deviceHeaderPath.c_str(), object.c_str(), depend.c_str());
  }
  return Format(kCompilerBaseWithDevice, context.deviceOption.c_str(), context.deviceHeaderPath.c_str(),
                object.c_str(), depend.c_str());
}

std::string AssemblerBase(const std::string& objectName) {
  const ProjectContext& context = Context();
  std::string object = ObjectPath(objectName);
  if (context.deviceOption.empty()) {
    return Format(kAssemblerBaseWithoutDevice, context.deviceHeaderPath.c_str(), object.c_str());
  }
  return Format(kAssemblerBaseWithDevice, context.deviceOption.c_str(), context.deviceHeaderPath.c_str(),
                object.c_str());
}

// " --list \"folder\\name.lst\"" (and " --xref ") when the List text asks for a listing;
// creates the listing folder named by OutList after its flag and comma.
std::string AssemblerListing(const std::string& list, const HostNode* output, const std::string& objectName) {
  if (list.empty() || list[0] != '1') return "";
  const char* outList = GetAttribute(output, "OutList");
  std::string folder = outList != nullptr ? outList : "";
  folder = folder.size() > 2 ? folder.substr(2) : "";
  Context().fileSystem->MakeDirectory(folder);
  std::string name = objectName.empty() ? "" : objectName.substr(0, objectName.size() - 1);
  std::string text = " --list \"" + folder + "\\" + name + "lst\"";
  if (list.size() > 2 && list[2] == '1') text += " --xref ";
  return text;
}

}  // namespace

std::string DependencyPath(const std::string& objectPath) {
  size_t folderEnd = objectPath.rfind('\\');
  size_t dot = objectPath.rfind('.');
  bool hasExtension = dot != std::string::npos && (folderEnd == std::string::npos || dot > folderEnd);
  return (hasExtension ? objectPath.substr(0, dot) : objectPath) + ".d";
}

std::string BuildDefineOptions(const std::string& defines, DefineStyle style) {
  std::string text;
  size_t start = 0;
  while (start < defines.size()) {
    size_t blank = defines.find(' ', start);
    std::string token = defines.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
    text += style == DefineStyle::kCompiler ? " -D" + token : " --pd \"" + token + " SETA 1\"";
    if (blank == std::string::npos) break;
    start = defines.find_first_not_of(" \t\r\n", blank + 1);
    if (start == std::string::npos) break;
  }
  return text;
}

std::string BuildIncludeOptions(const std::string& folders) {
  std::string text;
  size_t start = 0;
  while (start < folders.size()) {
    size_t semicolon = folders.find(';', start);
    size_t end = semicolon == std::string::npos ? folders.size() : semicolon;
    std::string folder = folders.substr(start, end - start);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    text += " -I\"" + folder + "\"";
    if (semicolon == std::string::npos) break;
    start = semicolon + 1;
  }
  return text;
}

std::string BuildCompilerCommandLine(const std::vector<HostNode*>& chain, HostNode* configuration,
                                     HostNode* output, const std::string& objectName,
                                     const std::string& extraIncludes) {
  BuildTarget target = FindBuildTarget(configuration, output);
  if (target.configuration == nullptr || target.output == nullptr) return "";
  ResolvedSettings settings = ResolveSectionChain(chain, SectionKind::kCompiler);
  std::string includes = settings.Inc;
  if (!extraIncludes.empty()) includes += (includes.empty() ? "" : " ") + extraIncludes;

  std::string text;
  AppendIf(&text, ReadOutputKeys(target.output).Browse == 1, Format(" --omf_browse \"%s\" ", ".crf").c_str());
  text += LeadingOptions(target, settings, DefineStyle::kCompiler, includes);
  text += " " + CompilerBase(objectName);
  std::string optimisation = Format(" -O%d", settings.OptLevel);
  if (settings.OptTime != 0) optimisation += " -Otime";
  text += MiddleOptions(target, settings, kInterwork, kCompilerRopi, kCompilerRwpi, optimisation);
  AppendIf(&text, settings.Code[kThumb] != 0, " --thumb");
  AppendIf(&text, settings.Code[kSplitSections] != 0, " --split_sections");
  AppendIf(&text, settings.Code[kSplitLdm] != 0, " --split_ldm");
  AppendIf(&text, settings.Language[kStrict] != 0, " --strict");
  AppendIf(&text, settings.Language[kEnumIsInt] != 0, " --enum_is_int");
  AppendIf(&text, settings.Language[kSignedChars] != 0, " --signed_chars");
  AppendIf(&text, settings.Language[kNoWarnings] != 0, " -W");
  AppendIf(&text, LeadingInt(settings.List.c_str()) != 0, " --asm --interleave");
  return text;
}

std::string BuildAssemblerCommandLine(const std::vector<HostNode*>& chain, HostNode* configuration,
                                      HostNode* output, const std::string& objectName) {
  BuildTarget target = FindBuildTarget(configuration, output);
  if (target.configuration == nullptr || target.output == nullptr) return "";
  ResolvedSettings settings = ResolveSectionChain(chain, SectionKind::kAssembler);

  std::string text = LeadingOptions(target, settings, DefineStyle::kAssembler, settings.Inc);
  text += " " + AssemblerBase(objectName);
  text += MiddleOptions(target, settings, kAsmInterwork, kAsmRopi, kAsmRwpi, "");
  AppendIf(&text, settings.Code[kSixteenBit] != 0, " --16");
  AppendIf(&text, settings.Code[kAsmSplitLdm] != 0, " --split_ldm");
  AppendIf(&text, settings.Language[kNoWarnings] != 0, " --nowarn");
  text += AssemblerListing(settings.List, target.output, objectName);
  return text;
}

}  // namespace zrt
