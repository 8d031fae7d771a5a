#include "src/convert/project_reader.h"

namespace zrt {
namespace {

std::string FileNameOf(const std::string& path) {
  size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

ProjectItem* Lookup(const std::unordered_map<const ProjectItem*, std::unordered_map<std::string, ProjectItem*>>& index,
                    const ProjectItem* group, const std::string& key) {
  auto files = index.find(group);
  if (files == index.end()) return nullptr;
  auto found = files->second.find(key);
  return found == files->second.end() ? nullptr : found->second;
}

}  // namespace

ProjectItem* ProjectTree::AddGroup(const std::string& name) {
  ProjectItem& group = items_.emplace_back();
  group.name = name;
  group.kind = kGroupItem;
  if (!groups_.empty()) groups_.back()->next = &group;
  groups_.push_back(&group);
  return &group;
}

ProjectItem* ProjectTree::AddFile(ProjectItem* group, const std::string& path) {
  ProjectItem& file = items_.emplace_back();
  file.name = path;
  file.kind = kFileItem;
  file.next = group->firstChild;
  group->firstChild = &file;
  // The front of the list is found first, so the file added last answers a lookup.
  byPath_[group][path] = &file;
  byName_[group][FileNameOf(path)] = &file;
  return &file;
}

ProjectItem* ProjectTree::FindFile(const ProjectItem* group, const std::string& path) const {
  return Lookup(byPath_, group, path);
}

ProjectItem* ProjectTree::FindFileNamed(const ProjectItem* group, const std::string& name) const {
  return Lookup(byName_, group, name);
}

}  // namespace zrt
