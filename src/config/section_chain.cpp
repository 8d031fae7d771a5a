#include "src/config/section_chain.h"

#include <cstring>

#include "src/config/section_values.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

constexpr int kInherit = 2;
constexpr int kInheritLevel = 4;

void Accumulate(std::string* text, const char* value) {
  if (value == nullptr || *value == '\0') return;
  if (!text->empty()) *text += ' ';
  *text += value;
}

// Flags still at 2 take the record's values, when it holds all count numbers.
void InheritFlags(int* resolved, const char* record, int count) {
  int values[6];
  if (ReadFlags(record, values, count) != count) return;
  for (int i = 0; i < count; ++i) {
    if (resolved[i] == kInherit) resolved[i] = values[i];
  }
}

// The level is the record's first character, the time flag its second number; records of
// two characters or less ("4" or "") say nothing.
void InheritOpt(ResolvedSettings* settings, const char* opt) {
  if (opt == nullptr || std::strlen(opt) <= 2) return;
  if (settings->OptLevel == kInheritLevel && opt[0] >= '0' && opt[0] <= '9') settings->OptLevel = opt[0] - '0';
  int values[2];
  if (settings->OptTime == kInherit && ReadFlags(opt, values, 2) == 2) settings->OptTime = values[1];
}

}  // namespace

const char* SectionName(SectionKind kind) { return kind == SectionKind::kCompiler ? "ZRT_CParam" : "ZRT_AsmParam"; }

std::vector<HostNode*> BuildSectionChain(HostNode* configuration, HostNode* start, SectionKind kind) {
  if (configuration == nullptr) configuration = GetCurrentConfiguration();
  const char* name = GetAttribute(configuration, "Name");
  std::string configurationName = name ? name : Context().currentConfigurationName;
  std::vector<HostNode*> chain;
  for (HostNode* node = start; node != nullptr; node = node->parent) {
    HostNode* section = FindSectionByName(node, SectionName(kind), configurationName.c_str());
    if (section != nullptr) chain.push_back(section);
  }
  if (HostNode* own = FindChild(configuration, SectionName(kind))) chain.push_back(own);
  return chain;
}

ResolvedSettings ResolveSectionChain(const std::vector<HostNode*>& chain, SectionKind kind) {
  ResolvedSettings settings;
  for (const HostNode* section : chain) {
    Accumulate(&settings.Def, GetAttribute(section, "Def"));
    Accumulate(&settings.Inc, GetAttribute(section, "Inc"));
    Accumulate(&settings.Misc, GetAttribute(section, "Misc"));
    InheritFlags(settings.Code, GetAttribute(section, "Code"), 6);
    if (kind == SectionKind::kCompiler) {
      InheritFlags(settings.Language, GetAttribute(section, "Language"), 4);
      InheritOpt(&settings, GetAttribute(section, "Opt"));
    } else if (settings.Language[kNoWarnings] == kInherit) {
      settings.Language[kNoWarnings] = LeadingInt(GetAttribute(section, "Language"));
    }
  }
  const char* list = chain.empty() ? nullptr : GetAttribute(chain.back(), "List");
  settings.List = list ? list : "";
  return settings;
}

}  // namespace zrt
