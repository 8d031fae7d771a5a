#include "src/core/project_context.h"

#include <algorithm>
#include <cstring>

#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

bool IsBuildableFileType(int type) { return type == 1 || type == 2 || type == 3 || type == 10 || type == 11; }

bool Contains(const std::vector<HostNode*>& list, const HostNode* node) {
  return std::find(list.begin(), list.end(), node) != list.end();
}

bool NameEquals(const HostNode* node, const char* name) {
  const char* value = GetAttribute(node, "Name");
  return value != nullptr && name != nullptr && std::strcmp(value, name) == 0;
}

void CollectFilesBelow(const HostNode* group) {
  for (HostNode* child = group ? group->firstChild : nullptr; child; child = child->nextSibling) {
    if (IsElement(child, "File")) {
      AddBuildableFile(child);
    } else if (IsElement(child, "Filter")) {
      CollectFilesBelow(child);
    }
  }
}

// Local test of one node: excluded in the current configuration.
bool IsExcludedHere(const HostNode* node) {
  return ListContains(GetAttribute(node, "nobuild"), Context().currentConfigurationName);
}

void SetLocalConfigureMarker(HostNode* node) {
  UpdateNodeAttribute(node, "LocalConfigure", HasLocalSettings(node) ? "1" : "0");
}

// The last-write time of a dependency (-1: missing), read once per table.
int64_t DependencyTime(platform::FileSystem& fs, const std::string& path, DependencyTimes* times) {
  if (times == nullptr) return fs.LastWriteTime(path);
  auto [entry, added] = times->try_emplace(path, 0);
  if (added) entry->second = fs.LastWriteTime(path);
  return entry->second;
}

}  // namespace

std::array<uint8_t, kDeviceBlockSize> ProjectContext::InitialDeviceBlock() {
  std::array<uint8_t, kDeviceBlockSize> block{};
  const int32_t words[] = {1, -1, 1, 1, 1, 0};
  std::memcpy(block.data(), words, sizeof words);
  return block;
}

ProjectContext& Context() {
  static ProjectContext context;
  return context;
}

std::string GetProjectDirectory() {
  const std::string& path = Context().projectPath;
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ProjectNameOf(const std::string& path) {
  size_t slash = path.rfind('\\');
  std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = title.rfind('.');
  return dot == std::string::npos ? "unkown" : title.substr(0, dot);
}

std::string MakeOutputPath(const std::string& name) {
  return ".\\" + Context().currentConfigurationName + "\\" + name;
}

std::string ObjectPathOf(const HostNode* file) {
  const char* output = GetAttribute(file, "Output");
  return MakeOutputPath(output ? output : "");
}

void MakeRelativeToProject(std::string* path) {
  if (path == nullptr || Context().projectPath.find('\\') == std::string::npos) return;
  std::string directory = GetProjectDirectory();
  if (path->compare(0, directory.size(), directory) != 0) return;
  if (path->size() == directory.size()) {
    *path = ".\\";
  } else if ((*path)[directory.size()] == '\\') {
    *path = "." + path->substr(directory.size());
  }
}

HostNode* GetProjectRoot() {
  const auto& list = Context().configurations;
  if (list.empty()) return nullptr;
  HostNode* node = list.front();
  while (node != nullptr && node->parent != nullptr) node = node->parent;
  return node;
}

HostNode* GetFilesNode() { return FindChild(GetProjectRoot(), "Files"); }

HostNode* GetCurrentConfiguration() {
  const auto& list = Context().configurations;
  for (HostNode* node : list) {
    const char* name = GetAttribute(node, "Name");
    if (node == nullptr || name == nullptr) return nullptr;
    if (Context().currentConfigurationName == name) return node;
  }
  return list.empty() ? nullptr : list.back();
}

HostNode* FindChildByName(const HostNode* node, const char* name) {
  for (HostNode* child = node ? node->firstChild : nullptr; child; child = child->nextSibling) {
    if (NameEquals(child, name)) return child;
  }
  return nullptr;
}

HostNode* FindSectionByName(const HostNode* node, const char* elementName, const char* name) {
  for (HostNode* s = FindChild(node, elementName); s; s = FindNextSibling(s, elementName)) {
    if (NameEquals(s, name)) return s;
  }
  return nullptr;
}

void CollectConfigurations(const HostNode* project) {
  HostNode* configurations = FindChild(project, "Configurations");
  auto& list = Context().configurations;
  for (HostNode* c = configurations ? configurations->firstChild : nullptr; c; c = c->nextSibling) {
    if (!Contains(list, c)) list.push_back(c);
  }
}

void CollectFiles(const HostNode* project) { CollectFilesBelow(FindChild(project, "Files")); }

void AddBuildableFile(HostNode* file) {
  auto& list = Context().files;
  if (file != nullptr && IsBuildableFileType(IntAttribute(file, "FileType")) && !Contains(list, file)) {
    list.push_back(file);
  }
}

void RemoveFilesUnder(const HostNode* filter) {
  for (HostNode* child = filter ? filter->firstChild : nullptr; child; child = child->nextSibling) {
    if (IsElement(child, "File")) {
      auto& list = Context().files;
      list.erase(std::remove(list.begin(), list.end(), child), list.end());
    } else if (IsElement(child, "Filter")) {
      RemoveFilesUnder(child);
    }
  }
}

bool IsExcludedFromBuild(const HostNode* node, bool walkUp) {
  if (!walkUp) return node != nullptr && IsExcludedHere(node);
  for (; node != nullptr; node = node->parent) {
    if (IsExcludedHere(node)) return true;
    if (IsElement(node, "Files")) break;
  }
  return false;
}

bool HasLocalSettings(const HostNode* node) {
  if (node == nullptr) return false;
  const char* configuration = Context().currentConfigurationName.c_str();
  return IsExcludedFromBuild(node, false) || FindSectionByName(node, "ZRT_AsmParam", configuration) ||
         FindSectionByName(node, "ZRT_CParam", configuration);
}

void RefreshLocalConfigureMarkers(HostNode* node) {
  if (node == nullptr) return;
  SetLocalConfigureMarker(node);
  for (HostNode* child = node->firstChild; child; child = child->nextSibling) {
    if (IsElement(child, "Filter")) {
      RefreshLocalConfigureMarkers(child);
    } else if (IsElement(child, "File")) {
      SetLocalConfigureMarker(child);
    }
  }
}

bool IsOutOfDate(const HostNode* file, DependencyTimes* dependencyTimes) {
  platform::FileSystem& fs = *Context().fileSystem;
  const char* source = GetAttribute(file, "RelativePath");
  int64_t sourceTime = source ? fs.LastWriteTime(source) : -1;
  if (sourceTime < 0) return false;
  int64_t objectTime = fs.LastWriteTime(ObjectPathOf(file));
  if (objectTime < 0 || sourceTime > objectTime) return true;
  for (const HostNode* child = file->firstChild; child; child = child->nextSibling) {
    const char* dependency = GetAttribute(child, "RelativePath");
    if (dependency == nullptr || *dependency == '\0') continue;
    int64_t time = DependencyTime(fs, dependency, dependencyTimes);
    if (time < 0 || time > objectTime) return true;
  }
  return false;
}

void RenameConfigurationInFiles(const char* newName, const char* oldName) {
  HostNode* files = GetFilesNode();
  if (files == nullptr || newName == nullptr || oldName == nullptr || *oldName == '\0') return;
  std::vector<HostNode*> stack{files};
  while (!stack.empty()) {
    HostNode* node = stack.back();
    stack.pop_back();
    for (HostNode* child = node->firstChild; child; child = child->nextSibling) {
      if (IsElement(child, "Filter") || IsElement(child, "File")) {
        stack.push_back(child);
        const char* nobuild = GetAttribute(child, "nobuild");
        if (ListContains(nobuild, oldName)) {
          UpdateNodeAttribute(child, "nobuild", RenameListEntry(nobuild, oldName, newName).c_str());
        }
      } else if (NameEquals(child, oldName)) {
        UpdateNodeAttribute(child, "Name", newName);
      }
    }
  }
}

void FollowOutputNames(HostNode* outputSection, const std::string& newName) {
  if (outputSection == nullptr) return;
  const char* outName = GetAttribute(outputSection, "OutName");
  const char* outList = GetAttribute(outputSection, "OutList");
  bool followName = outName != nullptr && outName[0] == '0';
  bool followList = outList != nullptr && outList[0] == '0';
  if (!followName && !followList) return;
  HostNode* copy = CloneNode(outputSection);
  if (copy == nullptr) return;
  if (followName) SetAttribute(copy, "OutName", ("0,.\\" + newName + "\\" + Context().projectName).c_str());
  if (followList) SetAttribute(copy, "OutList", ("0,.\\" + newName).c_str());
  host::CommitNode(outputSection, copy);
  DestroyNode(copy);
}

}  // namespace zrt
