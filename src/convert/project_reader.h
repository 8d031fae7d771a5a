// The reader interface shared by the uVision project readers, and the tree of groups and
// files a reader hands to the conversion.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "src/config/section_records.h"
#include "src/core/project_context.h"

namespace zrt {

// One configuration's settings of a group or file: a group fills both parts, a file the
// part its kind is compiled with.
struct ItemOverride {
  std::string configuration;
  CompilerKeys compiler;
  AssemblerKeys assembler;
};

// A group (kind 1) or a file (kind 0) of the project tree.
struct ProjectItem {
  std::string name;  // group name, or the file's path as written in the project
  int kind = 0;
  ProjectItem* firstChild = nullptr;  // groups: first file
  ProjectItem* next = nullptr;        // next item at the same level
  std::set<std::string> excluded;     // configurations the item is not built in
  int ro = 0;
  int bss = 0;
  int rw = 0;
  std::vector<ItemOverride> overrides;  // in the order read
};

constexpr int kGroupItem = 1;
constexpr int kFileItem = 0;

// Owns a reader's items and keeps the group list and the files of each group.
class ProjectTree {
 public:
  // Appends a group to the top-level list; answers it.
  ProjectItem* AddGroup(const std::string& name);
  // Puts a file item at the front of group's file list; answers it.
  ProjectItem* AddFile(ProjectItem* group, const std::string& path);
  // The first file of group whose path equals path (the one added last); null when none.
  ProjectItem* FindFile(const ProjectItem* group, const std::string& path) const;
  // The first file of group whose file name (the path after its last '\') equals name.
  ProjectItem* FindFileNamed(const ProjectItem* group, const std::string& name) const;
  // The first top-level item; null when there is none.
  ProjectItem* First() const { return groups_.empty() ? nullptr : groups_.front(); }
  // The top-level groups in order.
  const std::vector<ProjectItem*>& Groups() const { return groups_; }

 private:
  using FileIndex = std::unordered_map<std::string, ProjectItem*>;
  std::deque<ProjectItem> items_;
  std::vector<ProjectItem*> groups_;
  std::unordered_map<const ProjectItem*, FileIndex> byPath_;
  std::unordered_map<const ProjectItem*, FileIndex> byName_;
};

// A project reader. The bare reader has no content: Open, GetGroups, ReadTargets and
// ReadCurrentTarget answer true and GetTargets leaves the caller's list as it is.
class CProjectReader {
 public:
  virtual ~CProjectReader() = default;
  // True when the file was read and is a project of the expected kind.
  virtual bool Open() { return true; }
  // Makes targets hold the reader's target records in order (the reader keeps them).
  virtual void GetTargets(std::vector<const TargetRecord*>* targets) { (void)targets; }
  // Hands out the first top-level item (null when none); true.
  virtual bool GetGroups(ProjectItem** first) {
    (void)first;
    return true;
  }
  // True when all targets, groups and files were read.
  virtual bool ReadTargets() { return true; }
  // True when the project's current target was found and made the current configuration.
  virtual bool ReadCurrentTarget() { return true; }
};

}  // namespace zrt
