#include "src/build/linker_command_line.h"

#include <cstring>

#include "src/config/device_description.h"
#include "src/config/section_keys.h"
#include "src/config/section_values.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

// The text after the first "," of a stored value; fallback when the value has none.
std::string AfterFirstComma(const char* value, const std::string& fallback) {
  const char* comma = value ? std::strchr(value, ',') : nullptr;
  return comma ? comma + 1 : fallback;
}

// The text after the last "\" of path; fallback when path has none.
std::string AfterLastBackslash(const std::string& path, const std::string& fallback) {
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? fallback : path.substr(slash + 1);
}

std::string ConfigurationFolder() { return ".\\" + Context().currentConfigurationName; }


std::string BaseOptions() {
  const std::string& device = Context().deviceOption;
  std::string base = device.empty() ? "" : " --device " + device;
  base += " --autoat --summary_stderr --info summarysizes";
  if (!Context().cpuOption.empty()) base += " --cpu " + Context().cpuOption;
  return base;
}

// The scatter path to pass; requests the generated description when UseDef is 1.
std::string ChooseScatterPath(const LinkerKeys& keys) {
  if (keys.UseDef != 1) return keys.Sct;
  ProjectContext& context = Context();
  context.scatterRequested = 1;
  context.scatterFilePath = ConfigurationFolder() + "\\" + context.projectName + ".sct";
  return context.scatterFilePath;
}

struct CodeOption {
  int LinkerCode::*flag;
  const char* text;
};

const CodeOption kCodeOptions[] = {
    {&LinkerCode::ropi, " --ropi"},
    {&LinkerCode::rwpi, " --rwpi"},
};

std::string CodeOptions(const std::string& codeText) {
  LinkerCode code;
  if (codeText.empty() || ReadLinkerCode(codeText.c_str(), &code) != 5) return "";
  std::string text;
  for (const CodeOption& option : kCodeOptions) {
    if (code.*option.flag == 1) text += option.text;
  }
  text += code.noScanLib == 1 ? " --noscanlib" : " --libpath \"" + Context().libraryDirectory + "\"";
  if (code.strict == 1) text += " --strict";
  if (!code.suppressed.empty()) text += " --diag_suppress " + code.suppressed;
  return text;
}

constexpr int kListFlagCount = 9;

// The List flags after the first (listing) one, in the order they are tested; each set
// flag puts its text in front of the listing options.
const char* const kListPrefixes[kListFlagCount - 1] = {
    "--map ",        "--callgraph ",   "--symbols ",     "--xref ",
    "--info sizes ", "--info totals ", "--info unused ", "--info veneers ",
};

std::string ListingOptions(const std::string& listText, const HostNode* output, const std::string& base) {
  int flags[kListFlagCount] = {};
  if (listText.empty() || ReadFlags(listText.c_str(), flags, kListFlagCount) != kListFlagCount || flags[0] != 1) {
    return "";
  }
  std::string folder = AfterFirstComma(GetAttribute(output, "OutList"), ConfigurationFolder());
  std::string name = AfterLastBackslash(base, Context().projectName);
  std::string listing = " --list \"" + folder + "\\" + name + ".map\"";
  for (int i = 1; i < kListFlagCount; ++i) {
    if (flags[i] != 0) listing = kListPrefixes[i - 1] + listing;
  }
  return " " + listing;
}

void MakeOutputFolder(const std::string& base) {
  size_t slash = base.rfind('\\');
  if (slash != std::string::npos && slash > 0) Context().fileSystem->MakeDirectory(base.substr(0, slash));
}

// "--ro_base Rom [--entry Rom] --rw_base Ram " when both keys are present, else "".
std::string BaseAddresses(const HostNode* linker, const std::string& options) {
  const char* rom = GetAttribute(linker, "Rom");
  const char* ram = GetAttribute(linker, "Ram");
  if (rom == nullptr || ram == nullptr) return "";
  std::string text = std::string("--ro_base ") + rom;
  bool entryGiven = options.find("--entry") != std::string::npos;
  if (!entryGiven && !IsCortexM(Context().deviceRecord.information)) text += std::string(" --entry ") + rom;
  return text + " --rw_base " + ram + " ";
}

}  // namespace

std::string OutputBase(const HostNode* output) {
  return AfterFirstComma(GetAttribute(output, "OutName"),
                         ConfigurationFolder() + "\\" + Context().projectName);
}

std::string BuildLinkerCommandLine(const HostNode* configuration, const HostNode* linker, const HostNode* output) {
  Context().scatterRequested = 0;
  if (configuration == nullptr || linker == nullptr || output == nullptr) return "";
  LinkerKeys keys = ReadLinkerKeys(linker);
  TargetKeys target = ReadTargetKeys(configuration);
  std::string base = OutputBase(output);

  std::string options = BaseOptions();
  if (!keys.Misc.empty()) options += " " + keys.Misc;
  std::string scatterPath = ChooseScatterPath(keys);
  options += CodeOptions(keys.Code);
  MakeOutputFolder(base);
  options += ListingOptions(keys.List, output, base);
  if (ReadOutputKeys(output).Debug == 0) options += " --nodebug";
  if (target.Cross == 1) options += " --feedback \"" + base + ".fed\"";
  if (target.McLib != 0) options += " --library_type=microlib";
  options = scatterPath.empty() ? BaseAddresses(linker, options) + options
                                : "--scatter \"" + scatterPath + "\"" + options;
  return options + " -o \"" + base + ".axf\"";
}

}  // namespace zrt
