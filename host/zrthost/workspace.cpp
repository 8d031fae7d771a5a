#include "host/zrthost/workspace.h"

#include <filesystem>

#include "host/nodes/node_tree.h"
#include "host/zrthost/project_file.h"
#include "platform/code_page.h"
#include "platform/dynamic_library.h"
#include "platform/environment.h"

namespace zrt::zrthost {

using namespace hostnodes;
namespace fs = std::filesystem;
namespace {

std::string ProgramFolder() {
  std::string program = NativePathFromHost(platform::ModulePathOf(reinterpret_cast<const void*>(&DefaultHostPaths)));
  return Utf8Path(fs::absolute(FsPath(program)).parent_path());
}

std::string FromEnvironment(const char* name, const std::string& fallback) {
  std::string value;
  return platform::GetEnvironment(name, &value) && !value.empty() ? Utf8FromSystemNarrow(value) : fallback;
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

HostPaths DefaultHostPaths() {
  std::string folder = ProgramFolder();
  HostPaths paths;
  paths.plugin = FromEnvironment("ZRT_PLUGIN", Utf8Path(FsPath(folder) / "ZRTSettings.dll"));
  paths.root = FromEnvironment("ZRT_HOST_ROOT", folder);
  paths.devices = FromEnvironment("ZRT_DEVICES", Utf8Path(FsPath(folder) / "devices.txt"));
  return paths;
}

Workspace::Workspace(const HostPaths& paths, OutputWindow* window) : paths_(paths), session_(window) {}

Workspace::~Workspace() {
  static auto* treesLeftToExit = new std::vector<HostNode*>;
  if (root_ != nullptr) treesLeftToExit->push_back(root_);
}

bool Workspace::Start(const std::string& projectFile, const std::string& device, std::string* error) {
  projectFile_ = Utf8Path(fs::absolute(FsPath(projectFile)).lexically_normal());
  if (!devices_.Load(paths_.devices, error)) return false;
  const DeviceRecord* record = nullptr;
  if (!device.empty() && (record = devices_.Find(device)) == nullptr) {
    *error = "unknown device " + device + " (not in " + paths_.devices + ")";
    return false;
  }
  if (!session_.Load(HostPathOf(paths_.plugin), error)) return false;
  HostSetup setup;
  std::string root = HostPathOf(Utf8Path(fs::absolute(FsPath(paths_.root)).lexically_normal()));
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

std::string Workspace::ProjectFolder() const { return Utf8Path(FsPath(projectFile_).parent_path()); }

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
  fs::path path = FsPath(NativePathFromHost(stored));
  return Utf8Path((path.is_absolute() ? path : FsPath(ProjectFolder()) / path).lexically_normal());
}

HostNode* Workspace::FindFile(const std::string& path) const {
  std::vector<HostNode*> files = AllFiles();
  std::string stored = platform::Utf8ToAnsi(path);
  for (HostNode* file : files) {
    if (ValueOr(file, "RelativePath") == stored) return file;
  }
  fs::path wanted = fs::absolute(FsPath(path)).lexically_normal();
  for (HostNode* file : files) {
    if (FsPath(NativePathOf(ValueOr(file, "RelativePath"))) == wanted) return file;
  }
  return nullptr;
}

std::string Workspace::StoredPath(const std::string& path) const {
  fs::path absolute = fs::absolute(FsPath(path)).lexically_normal();
  fs::path relative = absolute.lexically_relative(FsPath(ProjectFolder()));
  if (relative.empty()) return HostPathOf(Utf8Path(absolute));
  std::string text = HostPathOf(Utf8Path(relative));
  return text.rfind("..", 0) == 0 ? text : ".\\" + text;
}

}  // namespace zrt::zrthost
