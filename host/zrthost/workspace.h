// One zrthost run on one project: the options, the device database, the plug-in session
// and the project tree, opened and saved in the order the IDE follows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/zrthost/device_database.h"
#include "host/zrthost/output_window.h"
#include "host/zrthost/paths.h"
#include "host/zrthost/plugin_session.h"
#include "src/core/abi.h"

namespace zrt::zrthost {

// Where zrthost finds the plug-in, the host installation (opt/Preference) and the devices.
struct HostPaths {
  std::string plugin;   // the plug-in library
  std::string root;     // the installation folder holding opt/Preference
  std::string devices;  // the device database file
};

// Host attributes on the project's root element.
constexpr char kActiveAttribute[] = "ActiveConfiguration";
constexpr char kDeviceAttribute[] = "Device";

class Workspace {
 public:
  Workspace(const HostPaths& paths, OutputWindow* window);
  // A zrthost process runs one command with one workspace and then ends: the tree is left
  // for the operating system to take back at exit, not taken apart node by node (that was
  // a fifth of an up-to-date build of 10,000 files). It stays reachable, so leak checkers
  // do not count it.
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  // Reads the project file, loads the plug-in, Initialize, ProjectOpened with the active
  // target (or target when not empty); false with *error.
  bool Open(const std::string& projectFile, const std::string& target, std::string* error);
  // Starts a new project whose root element is still empty (not yet saved): loads the
  // plug-in and calls Initialize with the device named (none when empty); false with *error.
  bool Create(const std::string& projectFile, const std::string& device, std::string* error);
  // Writes the project file when the tree changed (or always with force); false with *error.
  bool Save(std::string* error, bool force = false);
  // Marks the tree as changed by the host.
  void Touch() { hostChanged_ = true; }

  PluginInterface& Table() { return session_.Table(); }
  PluginSession& Session() { return session_; }
  HostNode* Root() const { return root_; }
  HostNode* Configurations() const;
  HostNode* Files() const;
  const DeviceDatabase& Devices() const { return devices_; }

  // Native path of the project file, and of its folder.
  const std::string& ProjectFile() const { return projectFile_; }
  std::string ProjectFolder() const;
  // The name the IDE passes as current: the root's ActiveConfiguration, else the first target.
  std::string ActiveName() const;
  // The Configuration node with that Name; null when none.
  HostNode* FindConfiguration(const std::string& name) const;
  // The Filter with that Name anywhere under Files; null when none.
  HostNode* FindGroup(const std::string& name) const;
  // The File whose RelativePath names path (UTF-8; as written, or the same file); null
  // when none.
  HostNode* FindFile(const std::string& path) const;
  // Every File node under Files, depth first in tree order.
  std::vector<HostNode*> AllFiles() const;
  // path (UTF-8, relative to the current directory or absolute) as the project stores it
  // (ANSI, '\').
  std::string StoredPath(const std::string& path) const;
  // A stored path (ANSI, '\') as an absolute UTF-8 path of this system.
  std::string NativePathOf(const std::string& stored) const;

 private:
  bool Start(const std::string& projectFile, const std::string& device, std::string* error);

  HostPaths paths_;
  DeviceDatabase devices_;
  PluginSession session_;
  HostNode* root_ = nullptr;
  std::string projectFile_;
  bool hostChanged_ = false;
};

// The default paths: beside the zrthost program, overridden by ZRT_PLUGIN, ZRT_HOST_ROOT
// and ZRT_DEVICES.
HostPaths DefaultHostPaths();

}  // namespace zrt::zrthost
