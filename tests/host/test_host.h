// A host for end-to-end tests: it loads a private copy of the built plug-in, talks to it
// only through GetInterface and the table, and honours the callback contracts with its
// own node code. Callbacks are recorded; RunCommand and message boxes are scripted.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "src/core/abi.h"
#include "tests/host/host_tree.h"

namespace zrt::testhost {

struct CommandRun {
  std::string commandLine;
  std::string workingDirectory;
  int outputSize;
};

// Answers a RunCommand: fills *output (cut to the buffer) and *exitCode; returns the
// host's result (0: the run failed).
using CommandScript = std::function<int(const CommandRun& run, std::string* output, int* exitCode)>;

class TestHost {
 public:
  // Loads a private copy of the plug-in (fresh process-wide state per host).
  TestHost();
  ~TestHost();
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  // The table the plug-in returned; its host slots are filled.
  PluginInterface& Table() { return *table_; }
  // Calls GetInterface again; answers its result.
  PluginInterface* CallGetInterface();

  // A fresh project tree: "OrbweaveProject" with "Configurations" and "Files".
  HostNode* project() const { return project_; }
  HostNode* configurations() const { return ChildNamed(project_, "Configurations"); }
  HostNode* files() const { return ChildNamed(project_, "Files"); }

  // Adds a Configuration node (Name and OldName set) without telling the plug-in.
  HostNode* AddConfiguration(const std::string& name);
  // Creates a Configuration as the IDE does for a new target: node, then NodeCreated.
  HostNode* CreateConfiguration(const std::string& name);
  // Creates a File below parent as the IDE does: node with RelativePath, then NodeCreated.
  HostNode* CreateFile(HostNode* parent, const std::string& relativePath);

  // Initialize with a HostInfo naming the project file directory()\projectFile, the host
  // installation installDirectory() and, when given, the selected device.
  int Initialize(const std::string& projectFile, bool withHostStructure = true, const DeviceRecord* device = nullptr);

  // The host's installation folder, ending in '\'.
  std::string installDirectory() const { return directory_ + "\\host\\"; }
  // Installs the preference library stand-in as installDirectory()\opt\Preference with
  // the given entries (one per line).
  void InstallPreferences(const std::string& entries);
  // Creates a file ('\' separated path), with its folders.
  static void MakeFile(const std::string& path, const std::string& content = "");
  // True when a file or folder exists at the '\' separated path.
  static bool Exists(const std::string& path);

  // The dependencies NextDependency gives for sourcePath, in order.
  std::vector<std::string> Dependencies(const std::string& sourcePath);
  // What the IDE does after compiling file: records each of its dependencies as a child
  // "Dependency" carrying the path as RelativePath.
  void RecordDependencies(HostNode* file);

  // Scripted message-box answers ("yes,no,..."), and the texts shown so far.
  void ScriptAnswers(const std::string& answers);
  std::vector<std::string> MessageBoxTexts() const;

  // What the plug-in did through the host slots.
  std::vector<std::string> output;
  int clearCount = 0;
  std::vector<CommandRun> commands;
  CommandScript commandScript;
  int commitCount = 0;
  int removeCount = 0;
  std::vector<std::string> createdElements;
  std::vector<const DeviceRecord*> notifications;

  // A private temporary folder for this host, '\' separated, ending without '\'; the
  // current directory while the host lives.
  const std::string& directory() const { return directory_; }

  // The host whose callbacks are running (the one most recently created).
  static TestHost* Current();

 private:
  void InstallCallbacks();

  std::string directory_;
  std::string previousDirectory_;
  std::string libraryCopy_;
  platform::LibraryHandle library_ = nullptr;
  PluginInterface* table_ = nullptr;
  HostNode* project_ = nullptr;
  std::string messageLog_;
  HostInfo info_{};
  double cpuClock_ = 0;
  std::string installDirectory_;
  std::string projectPath_;
  int hostStructure_ = 0;
  std::string toolChainEntry_;
};

// A RunCommand answer that really runs the command line (the tool emulator, say) and
// captures its output.
CommandScript RunForReal();

// The built plug-in's path.
std::string PluginLibraryPath();
// A new, empty temporary folder ('\' separated).
std::string MakeTemporaryDirectory();
// The operating system's form of a '\' separated path, for std::filesystem and the like.
std::filesystem::path NativePath(const std::string& path);

}  // namespace zrt::testhost
