// The plug-in inside zrthost: loaded by path, reached only through GetInterface and the
// interface table, whose host slots this session fills with callbacks that honour the
// host's contracts on zrthost's own nodes.
#pragma once

#include <string>
#include <vector>

#include "host/zrthost/output_window.h"
#include "platform/dynamic_library.h"
#include "src/core/abi.h"

namespace zrt::zrthost {

// What Initialize is told about the host and the project.
struct HostSetup {
  std::string installDirectory;  // '\'-separated, ending in '\'
  std::string projectPath;       // full path of the project file, '\'-separated
  const DeviceRecord* device = nullptr;
  std::string toolChainEntry = "ARM";
};

class PluginSession {
 public:
  // Every callback prints into window.
  explicit PluginSession(OutputWindow* window) : window_(window) {}
  ~PluginSession();
  PluginSession(const PluginSession&) = delete;
  PluginSession& operator=(const PluginSession&) = delete;

  // Loads the library, calls GetInterface and fills the host slots; false with *error.
  bool Load(const std::string& libraryPath, std::string* error);
  // The table (valid after Load).
  PluginInterface& Table() { return *table_; }
  // Calls Initialize with a HostInfo made from setup (kept alive with the session).
  int Initialize(const HostSetup& setup);

  // True once a callback changed the tree (CommitNode, CreateChildNode, RemoveChild).
  bool treeChanged = false;
  // When set, RunCommand records command lines instead of running them and answers a
  // completed run with exit code 0 and no output.
  bool recordOnly = false;
  // When set, each command line is printed into the window before it runs.
  bool echoCommands = false;
  // Command lines RunCommand was given, in order.
  std::vector<std::string> commands;
  // True once StopBuild was called because of Ctrl-C.
  bool stopped = false;

  // The session whose callbacks are running.
  static PluginSession* Current();

  // Callback bodies (called through the table).
  int RunCommand(const char* commandLine, const char* workingDirectory, char* output, int outputSize, int* exitCode);
  void WriteOutput(const char* text) { window_->Write(text ? text : ""); }

 private:
  void StopOnInterrupt();

  OutputWindow* window_;
  platform::LibraryHandle library_ = nullptr;
  PluginInterface* table_ = nullptr;
  HostSetup setup_;
  HostInfo info_{};
  double clockMhz_ = 0;
  int hostStructure_ = 0;
};

}  // namespace zrt::zrthost
