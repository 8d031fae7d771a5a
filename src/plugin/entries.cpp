#include "src/plugin/entries.h"

#include <algorithm>
#include <cstring>

#include "src/config/configuration_defaults.h"
#include "src/config/file_defaults.h"
#include "src/device/startup_file.h"
#include "src/core/boundary.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/interface_table.h"
#include "src/core/project_context.h"
#include "src/plugin/initialize.h"

namespace zrt::entries {
namespace {

void Remove(std::vector<HostNode*>& list, const HostNode* node) {
  list.erase(std::remove(list.begin(), list.end(), node), list.end());
}

// Creates the configuration's output folder inside the project directory.
void MakeConfigurationDirectory(const HostNode* configuration) {
  const char* name = GetAttribute(configuration, "Name");
  Context().fileSystem->MakeDirectory(GetProjectDirectory() + "\\" + (name ? name : ""));
}

void ConfigurationCreated(HostNode* configuration) {
  Context().configurations.push_back(configuration);
  WriteConfigurationDefaults(configuration);
  MakeConfigurationDirectory(configuration);
}

void NodeRemoving(HostNode* node) {
  ProjectContext& context = Context();
  if (IsElement(node, "Configuration")) {
    Remove(context.configurations, node);
    const char* oldName = GetAttribute(node, "OldName");
    if (oldName == nullptr) return;
    // One section per file: a file may hold one per tool, and the host is not relied on
    // to have removed the first before the next is looked for.
    for (size_t i = 0; i < context.files.size(); ++i) {
      HostNode* file = context.files[i];
      if (HostNode* section = FindChildByName(file, oldName)) host::RemoveChild(file, section);
    }
  } else if (IsElement(node, "File")) {
    context.files.Remove(node);
  } else if (IsElement(node, "Filter")) {
    RemoveFilesUnder(node);
  }
}

void ActiveConfigurationChanged(const char* name) {
  if (name == nullptr) return;
  Context().currentConfigurationName = name;
  RefreshLocalConfigureMarkers(GetFilesNode());
}

HostNode* FindListedConfiguration(const char* name) {
  for (HostNode* configuration : Context().configurations) {
    const char* value = GetAttribute(configuration, "Name");
    if (value != nullptr && std::strcmp(value, name) == 0) return configuration;
  }
  return nullptr;
}

void ConfigurationRenamed(const char* newName) {
  HostNode* configuration = newName ? FindListedConfiguration(newName) : nullptr;
  if (configuration == nullptr) return;
  const char* stored = GetAttribute(configuration, "OldName");
  std::string oldName = stored ? stored : "";
  FollowOutputNames(FindChild(configuration, "ZRT_Output"), newName);
  if (!oldName.empty()) {
    for (HostNode* file : Context().files) UpdateNodeAttribute(FindChildByName(file, oldName.c_str()), "Name", newName);
  }
  UpdateNodeAttribute(configuration, "OldName", newName);
  RenameConfigurationInFiles(newName, oldName.c_str());
  Context().fileSystem->MakeDirectory(std::string(".\\") + newName);
}

}  // namespace

int ZRT_CDECL Initialize(HostInfo* info) {
  return Guarded(0, [&] {
    if (info == nullptr) return 0;
    Context().firstOpen = 1;
    Context().startupOfferPending = 1;
    HostInfoCopy() = *info;
    return InitializeContext(*info);
  });
}

void ZRT_CDECL NodeCreated(HostNode* node) {
  Guarded([&] {
    if (IsElement(node, "Configuration")) {
      ConfigurationCreated(node);
    } else if (IsElement(node, "File")) {
      WriteFileDefaults(node);
    }
  });
}

void ZRT_CDECL ProjectOpened(HostNode* project, const char* configurationName) {
  Guarded([&] {
    ProjectContext& context = Context();
    context.startupOfferPending = 0;
    if (project == nullptr || configurationName == nullptr) return;
    if (context.firstOpen) {
      context.firstOpen = 0;
      CollectConfigurations(project);
      CollectFiles(project);
    }
    context.currentConfigurationName = configurationName;
    if (HostNode* current = GetCurrentConfiguration()) MakeConfigurationDirectory(current);
  });
}

void ZRT_CDECL ProjectEvent(int event, void* argument) {
  Guarded([&] {
    switch (event) {
      case kNodeAdded:
        OfferStartupFile(static_cast<HostNode*>(argument));
        break;
      case kNodeRemoving:
        NodeRemoving(static_cast<HostNode*>(argument));
        break;
      case kActiveConfigurationChanged:
        ActiveConfigurationChanged(static_cast<const char*>(argument));
        break;
      case kConfigurationRenamed:
        ConfigurationRenamed(static_cast<const char*>(argument));
        break;
      default:
        break;
    }
  });
}

void ZRT_CDECL Reserved() {}

int ZRT_CDECL ReservedQuery() { return 0; }

}  // namespace zrt::entries
