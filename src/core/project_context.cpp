#include "src/core/project_context.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/node_text.h"
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

// Calls visit for every File below group, through its Filters, in tree order.
template <typename Visit>
void ForEachFileBelow(const HostNode* group, const Visit& visit) {
  for (HostNode* child = group ? group->firstChild : nullptr; child; child = child->nextSibling) {
    if (IsElement(child, "File")) {
      visit(child);
    } else if (IsElement(child, "Filter")) {
      ForEachFileBelow(child, visit);
    }
  }
}

// Local test of one node: excluded in the current configuration.
bool IsExcludedHere(const HostNode* node) {
  return ListContains(GetAttribute(node, "nobuild"), Context().currentConfigurationName);
}

// Hands the host mirror, a node of the plug-in's own copy of the tree, as the changed copy
// of node: detached from its copied parent and siblings while the host looks at it, as a
// fresh clone would be.
void CommitDetached(HostNode* node, HostNode* mirror) {
  HostNode* parent = mirror->parent;
  HostNode* previous = mirror->previousSibling;
  HostNode* next = mirror->nextSibling;
  mirror->parent = mirror->previousSibling = mirror->nextSibling = nullptr;
  host::CommitNode(node, mirror);
  mirror->parent = parent;
  mirror->previousSibling = previous;
  mirror->nextSibling = next;
}

// Sets node's "LocalConfigure" from HasLocalSettings. mirror is node's counterpart in a
// copy of the tree that holds every marker set so far, so it is the deep copy the commit
// needs without copying node's subtree once more. A marker that already holds its value
// is left alone.
void SetLocalConfigureMarker(HostNode* node, HostNode* mirror) {
  const char* marker = HasLocalSettings(node) ? "1" : "0";
  const char* current = GetAttribute(node, "LocalConfigure");
  if (current != nullptr && std::strcmp(current, marker) == 0) return;
  SetAttribute(mirror, "LocalConfigure", marker);
  CommitDetached(node, mirror);
}

// True when copy has node's element name and attributes (a counterpart in step).
bool SameFields(const HostNode* node, const HostNode* copy) {
  if (ViewOf(node->name) != ViewOf(copy->name)) return false;
  const NodeAttribute* a = node->attributes.next;
  const NodeAttribute* b = copy->attributes.next;
  for (; a != &node->attributes && b != &copy->attributes; a = a->next, b = b->next) {
    if (a == nullptr || b == nullptr || ViewOf(a->name) != ViewOf(b->name) || ViewOf(a->value) != ViewOf(b->value)) {
      return false;
    }
  }
  return a == &node->attributes && b == &copy->attributes;
}

void RefreshMarkers(HostNode* node, HostNode* mirror, bool withChildren);

// Refreshes node against a copy of its own, when the shared copy is out of step with it.
void RefreshWithOwnCopy(HostNode* node, bool withChildren) {
  HostNode* copy = CloneNode(node);
  if (copy == nullptr) return;
  RefreshMarkers(node, copy, withChildren);
  DestroyNode(copy);
}

// Sets the marker of node and, with withChildren, of its File children and of its Filter
// children with everything below them; the copy is walked in step with the tree.
void RefreshMarkers(HostNode* node, HostNode* mirror, bool withChildren) {
  SetLocalConfigureMarker(node, mirror);
  if (!withChildren) return;
  HostNode* counterpart = mirror->firstChild;
  for (HostNode* child = node->firstChild; child; child = child->nextSibling) {
    HostNode* copy = counterpart != nullptr && SameFields(child, counterpart) ? counterpart : nullptr;
    counterpart = counterpart ? counterpart->nextSibling : nullptr;
    bool group = IsElement(child, "Filter");
    if (!group && !IsElement(child, "File")) continue;
    if (copy != nullptr) {
      RefreshMarkers(child, copy, group);
    } else {
      RefreshWithOwnCopy(child, group);
    }
  }
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
  const std::string& configuration = Context().currentConfigurationName;
  std::string path;
  path.reserve(3 + configuration.size() + name.size());
  path.append(".\\").append(configuration).append("\\").append(name);
  return path;
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

bool IsListedConfiguration(const HostNode* node) { return node != nullptr && Contains(Context().configurations, node); }

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

void CollectFiles(const HostNode* project) { ForEachFileBelow(FindChild(project, "Files"), AddBuildableFile); }

void AddBuildableFile(HostNode* file) {
  NodeList& list = Context().files;
  if (file != nullptr && IsBuildableFileType(IntAttribute(file, "FileType")) && !list.Contains(file)) {
    list.push_back(file);
  }
}

void RemoveFilesUnder(const HostNode* filter) {
  std::unordered_set<const HostNode*> below;
  ForEachFileBelow(filter, [&below](HostNode* file) { below.insert(file); });
  Context().files.RemoveAll(below);
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
  // Every commit hands the host a deep copy of the node; one copy of the whole tree, kept
  // in step with it, serves them all, so the cost stays proportional to the tree even for
  // deeply nested groups.
  if (node != nullptr) RefreshWithOwnCopy(node, true);
}

bool IsOutOfDate(const HostNode* file, DependencyTimes* dependencyTimes) {
  return IsOutOfDate(file, ObjectPathOf(file), dependencyTimes);
}

bool IsOutOfDate(const HostNode* file, const std::string& objectPath, DependencyTimes* dependencyTimes) {
  platform::FileSystem& fs = *Context().fileSystem;
  const char* source = GetAttribute(file, "RelativePath");
  int64_t sourceTime = source ? fs.LastWriteTime(source) : -1;
  if (sourceTime < 0) return false;
  int64_t objectTime = fs.LastWriteTime(objectPath);
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
