#include "src/ui/settings_openers.h"

#include <cstring>
#include <memory>
#include <string>

#include "src/config/device_settings.h"
#include "src/config/section_keys.h"
#include "src/core/boundary.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"
#include "src/ui/framework/property_sheet.h"
#include "src/ui/settings_dlg.h"

namespace zrt {
namespace {

struct NodeDeleter {
  void operator()(HostNode* node) const { DestroyNode(node); }
};
using NodeCopy = std::unique_ptr<HostNode, NodeDeleter>;

std::string NameOf(const HostNode* node) {
  const char* name = GetAttribute(node, "Name");
  return name ? name : "";
}

const char* CurrentName() { return Context().currentConfigurationName.c_str(); }

// The override section name of owner for the current configuration, created with the
// override defaults when missing; null when it cannot be had.
HostNode* OverrideSection(HostNode* owner, const char* elementName, HostNode* found) {
  if (found != nullptr) return found;
  HostNode* created = host::CreateChildNode(owner, elementName, CurrentName());
  if (created == nullptr) return nullptr;
  if (std::strcmp(elementName, "ZRT_CParam") == 0) {
    WriteCompilerOverride(created);
  } else {
    WriteAssemblerOverride(created);
  }
  return created;
}

// Removes section from owner when it inherits everything; answers whether it stays.
bool KeepOwnSettings(HostNode* owner, HostNode* section) {
  if (section == nullptr) return false;
  if (!IsAllInherit(section)) return true;
  host::RemoveChild(owner, section);
  return false;
}

void MarkLocalConfigure(HostNode* node, bool ownSettings) {
  bool local = ownSettings || IsExcludedFromBuild(node, false);
  UpdateNodeAttribute(node, "LocalConfigure", local ? "1" : "0");
}

// Commits copy to stored after setting cfgModify on it.
void CommitModified(HostNode* stored, HostNode* copy) {
  if (stored == nullptr || copy == nullptr) return;
  SetAttribute(copy, "cfgModify", "1");
  host::CommitNode(stored, copy);
}

}  // namespace

unsigned OpenTargetSettings() {
  HostNode* configuration = GetCurrentConfiguration();
  std::string caption = "目标工程配置\"" + NameOf(configuration) + "\"";
  NodeCopy copy(configuration ? CloneNode(configuration) : nullptr);
  if (copy == nullptr) return 0;
  CZRTSettingsDlg sheet(configuration, copy.get(), nullptr, kTargetSheet, caption);
  int ended = sheet.DoModal();
  if (!sheet.m_bModified) return 0;
  if (ended != ui::kIdOk) {
    // Applied, then cancelled: only the configuration and the debugger settings go back.
    host::CommitNode(configuration, copy.get());
    HostNode* debug = FindChild(configuration, "ZRT_Debug");
    if (debug != nullptr) host::CommitNode(debug, sheet.SectionCopy("ZRT_Debug"));
    return 0;
  }
  CommitModified(configuration, copy.get());
  for (const char* name : kTargetSections) {
    HostNode* stored = FindChild(configuration, name);
    if (stored == nullptr) return 0;
    host::CommitNode(stored, sheet.SectionCopy(name));
  }
  if (sheet.m_pNewDevice != nullptr) host::NotifySettingsChange(sheet.m_pNewDevice);
  return sheet.m_bOptionsChanged ? 2 : sheet.m_bLinkerChanged ? 1 : 3;
}

unsigned OpenGroupSettings(HostNode* group) {
  std::string caption = "配置文件组 " + NameOf(group) + " \"" + Context().currentConfigurationName + "\"";
  HostNode* configuration = GetCurrentConfiguration();
  if (configuration == nullptr) return 0;
  HostNode* compiler = OverrideSection(group, "ZRT_CParam", FindSectionByName(group, "ZRT_CParam", CurrentName()));
  HostNode* assembler =
      OverrideSection(group, "ZRT_AsmParam", FindSectionByName(group, "ZRT_AsmParam", CurrentName()));
  if (compiler == nullptr || assembler == nullptr) return 0;
  NodeCopy copy(CloneNode(group));
  unsigned result = 0;
  {
    CZRTSettingsDlg sheet(configuration, nullptr, copy.get(), kGroupSheet, caption);
    if (sheet.DoModal() == ui::kIdOk && sheet.m_bModified) {
      host::CommitNode(group, copy.get());
      CommitModified(FindSectionByName(group, "ZRT_CParam", CurrentName()), sheet.SectionCopy("ZRT_CParam"));
      CommitModified(FindSectionByName(group, "ZRT_AsmParam", CurrentName()), sheet.SectionCopy("ZRT_AsmParam"));
      result = sheet.m_bOptionsChanged ? 1 : 3;
    }
  }
  bool ownCompiler = KeepOwnSettings(group, FindSectionByName(group, "ZRT_CParam", CurrentName()));
  bool ownAssembler = KeepOwnSettings(group, FindSectionByName(group, "ZRT_AsmParam", CurrentName()));
  MarkLocalConfigure(group, ownCompiler || ownAssembler);
  return result;
}

unsigned OpenFileSettings(HostNode* file) {
  int kind = IntAttribute(file, "FileType");
  const char* path = GetAttribute(file, "RelativePath");
  std::string shown = path ? path : "";
  size_t slash = shown.rfind('\\');
  if (slash != std::string::npos) shown.erase(0, slash + 1);
  std::string caption = "配置文件\"" + shown + "\"";
  HostNode* configuration = GetCurrentConfiguration();
  if (configuration == nullptr) return 0;
  if (kind != 1 && kind != 2 && kind != 3) {
    CZRTSettingsDlg sheet(configuration, nullptr, file, kind, caption);
    int ended = sheet.DoModal();
    if ((kind != 10 && kind != 11) || (ended != ui::kIdOk && !sheet.m_bModified)) return 0;
    host::CommitNode(file, sheet.FileCopy());
    return sheet.m_bOptionsChanged ? 1 : 0;
  }
  const char* sectionName = kind == 2 ? "ZRT_AsmParam" : "ZRT_CParam";
  HostNode* section = OverrideSection(file, sectionName, FindChildByName(file, CurrentName()));
  if (section == nullptr) return 0;
  unsigned result = 0;
  {
    CZRTSettingsDlg sheet(configuration, nullptr, section, kind, caption);
    if (sheet.DoModal() == ui::kIdOk && sheet.m_bModified) {
      host::CommitNode(file, sheet.FileCopy());
      CommitModified(section, sheet.SectionCopy(sectionName));
      result = sheet.m_bOptionsChanged ? 1 : 3;
    }
  }
  MarkLocalConfigure(file, KeepOwnSettings(file, FindChildByName(file, CurrentName())));
  return result;
}

unsigned ShowSettings(HostNode* node) {
  if (node == nullptr) return 0;
  std::string type = ElementName(node);
  if (type.empty()) type = "Unkown";
  HostNode* configuration = GetCurrentConfiguration();
  if (configuration == nullptr) return 0;
  RefreshDeviceMemory(configuration, false);
  if (type == "OrbweaveProject") return OpenTargetSettings();
  if (type == "Filter") return OpenGroupSettings(node);
  if (type == "Unknown") return 0;
  return OpenFileSettings(node);
}

namespace entries {

int ZRT_CDECL ShowSettings(HostNode* node) {
  return Guarded(0, [&] { return static_cast<int>(zrt::ShowSettings(node)); });
}

}  // namespace entries
}  // namespace zrt
