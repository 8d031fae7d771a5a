#include "host/zrthost/workspace.h"

#include <algorithm>
#include <filesystem>

#include "host/nodes/node_tree.h"
#include "host/zrthost/project_file.h"
#include "platform/dynamic_library.h"
#include "platform/environment.h"

namespace zrt::zrthost {

using namespace hostnodes;
namespace fs = std::filesystem;
namespace {

std::string FromHostPath(std::string path) {
  if (fs::path::preferred_separator == '/') std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string ProgramFolder() {
  std::string program = FromHostPath(platform::ModulePathOf(reinterpret_cast<const void*>(&DefaultHostPaths)));
  return fs::absolute(fs::path(program)).parent_path().string();
}

std::string FromEnvironment(const char* name, const std::string& fallback) {
  std::string value;
  return platform::GetEnvironment(name, &value) && !value.empty() ? value : fallback;
}

void CollectFiles(HostNode* node, std::vector<HostNode*>* files) {
  for (HostNode* child = node->firstChild; child; child = child->nextSibling) {
    std::string name = NameOf(child);
    if (name == "File") files->push_back(child);
    if (name == "Filter") CollectFiles(child, files);
  }
}

HostNode* FindFilter(HostNode* node, const std::string& name) {
  for (HostNode* child = node->firstChild; child; child = child->nextSibling) {
    if (NameOf(child) != "Filter") continue;
    if (ValueOr(child, "Name") == name) return child;
    if (HostNode* inner = FindFilter(child, name)) return inner;
  }
  return nullptr;
}

}  // namespace

std::string HostPathOf(const std::string& native) {
  std::string path = native;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

HostPaths DefaultHostPaths() {
  std::string folder = ProgramFolder();
  HostPaths paths;
  paths.plugin = FromEnvironment("ZRT_PLUGIN", (fs::path(folder) / "ZRTSettings.dll").string());
  paths.root = FromEnvironment("ZRT_HOST_ROOT", folder);
  paths.devices = FromEnvironment("ZRT_DEVICES", (fs::path(folder) / "devices.txt").string());
  return paths;
}

Workspace::Workspace(const HostPaths& paths, OutputWindow* window) : paths_(paths), session_(window) {}

Workspace::~Workspace() {
  static auto* treesLeftToExit = new std::vector<HostNode*>;
  if (root_ != nullptr) treesLeftToExit->push_back(root_);
}

bool Workspace::Start(const std::string& projectFile, const std::string& device, std::string* error) {
  projectFile_ = fs::absolute(fs::path(projectFile)).lexically_normal().string();
  if (!devices_.Load(paths_.devices, error)) return false;
  const DeviceRecord* record = nullptr;
  if (!device.empty() && (record = devices_.Find(device)) == nullptr) {
    *error = "unknown device " + device + " (not in " + paths_.devices + ")";
    return false;
  }
  if (!session_.Load(paths_.plugin, error)) return false;
  HostSetup setup;
  std::string root = HostPathOf(fs::absolute(fs::path(paths_.root)).lexically_normal().string());
  setup.installDirectory = root.empty() || root.back() != '\\' ? root + "\\" : root;
  setup.projectPath = HostPathOf(projectFile_);
  setup.device = record;
  session_.Initialize(setup);
  return true;
}

bool Workspace::Open(const std::string& projectFile, const std::string& target, std::string* error) {
  root_ = LoadProjectFile(projectFile, error);
  if (root_ == nullptr) return false;
  if (!Start(projectFile, ValueOr(root_, kDeviceAttribute), error)) return false;
  std::string name = target.empty() ? ActiveName() : target;
  if (FindConfiguration(name) == nullptr) {
    *error = name.empty() ? "the project has no target" : "no target named " + name;
    return false;
  }
  Table().ProjectOpened(root_, name.c_str());
  return true;
}

bool Workspace::Create(const std::string& projectFile, const std::string& device, std::string* error) {
  root_ = NewNode(kProjectElement);
  hostChanged_ = true;
  return Start(projectFile, device, error);
}

bool Workspace::Save(std::string* error, bool force) {
  if (!force && !hostChanged_ && !session_.treeChanged) return true;
  if (!SaveProjectFile(projectFile_, root_, error)) return false;
  hostChanged_ = session_.treeChanged = false;
  return true;
}

HostNode* Workspace::Configurations() const { return ChildNamed(root_, "Configurations"); }
HostNode* Workspace::Files() const { return ChildNamed(root_, "Files"); }

std::string Workspace::ProjectFolder() const { return fs::path(projectFile_).parent_path().string(); }

std::string Workspace::ActiveName() const {
  const char* active = Value(root_, kActiveAttribute);
  if (active && *active) return active;
  HostNode* configurations = Configurations();
  HostNode* first = configurations ? ChildNamed(configurations, "Configuration") : nullptr;
  return first ? ValueOr(first, "Name") : "";
}

HostNode* Workspace::FindConfiguration(const std::string& name) const {
  HostNode* configurations = Configurations();
  return configurations ? ChildNamed(configurations, "Configuration", name) : nullptr;
}

HostNode* Workspace::FindGroup(const std::string& name) const { return Files() ? FindFilter(Files(), name) : nullptr; }

std::vector<HostNode*> Workspace::AllFiles() const {
  std::vector<HostNode*> files;
  if (Files()) CollectFiles(Files(), &files);
  return files;
}

std::string Workspace::NativePathOf(const std::string& stored) const {
  fs::path path(FromHostPath(stored));
  return (path.is_absolute() ? path : fs::path(ProjectFolder()) / path).lexically_normal().string();
}

HostNode* Workspace::FindFile(const std::string& path) const {
  std::vector<HostNode*> files = AllFiles();
  for (HostNode* file : files) {
    if (ValueOr(file, "RelativePath") == path) return file;
  }
  fs::path wanted = fs::absolute(fs::path(path)).lexically_normal();
  for (HostNode* file : files) {
    if (fs::path(NativePathOf(ValueOr(file, "RelativePath"))) == wanted) return file;
  }
  return nullptr;
}

std::string Workspace::StoredPath(const std::string& path) const {
  fs::path absolute = fs::absolute(fs::path(path)).lexically_normal();
  fs::path relative = absolute.lexically_relative(fs::path(ProjectFolder()));
  if (relative.empty()) return HostPathOf(absolute.string());
  std::string text = HostPathOf(relative.string());
  return text.rfind("..", 0) == 0 ? text : ".\\" + text;
}

}  // namespace zrt::zrthost
