#include "src/config/configuration_defaults.h"

#include "src/config/section_keys.h"
#include "src/core/host_callbacks.h"

namespace zrt {
namespace {

// One section of a configuration and the writer of its part of a target record.
struct SectionWriter {
  const char* name;
  void (*write)(HostNode* section, const TargetRecord* record);
};

// In the order the sections are created.
const SectionWriter kSectionWriters[] = {
    {"ZRT_Output", [](HostNode* s, const TargetRecord* r) { WriteOutputSection(s, r ? &r->output : nullptr); }},
    {"ZRT_User", [](HostNode* s, const TargetRecord* r) { WriteUserSection(s, r ? &r->user : nullptr); }},
    {"ZRT_CParam", [](HostNode* s, const TargetRecord* r) { WriteCompilerSection(s, r ? &r->compiler : nullptr); }},
    {"ZRT_AsmParam", [](HostNode* s, const TargetRecord* r) { WriteAssemblerSection(s, r ? &r->assembler : nullptr); }},
    {"ZRT_Linker", [](HostNode* s, const TargetRecord* r) { WriteLinkerSection(s, r ? &r->linker : nullptr); }},
    {"ZRT_Debug", [](HostNode* s, const TargetRecord* r) { WriteDebugSection(s, r ? &r->debug : nullptr); }},
};

}  // namespace

void WriteConfigurationSections(HostNode* configuration, const TargetRecord* record) {
  if (configuration == nullptr) return;
  for (const SectionWriter& section : kSectionWriters) {
    section.write(host::CreateChildNode(configuration, section.name, nullptr), record);
  }
}

void WriteConfigurationDefaults(HostNode* configuration) {
  if (configuration == nullptr) return;
  WriteTargetKeys(configuration, nullptr);
  WriteConfigurationSections(configuration, nullptr);
}

}  // namespace zrt
