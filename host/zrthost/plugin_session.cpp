#include "host/zrthost/plugin_session.h"

#include <algorithm>
#include <cstring>

#include "host/zrthost/console.h"
#include "host/zrthost/device_database.h"
#include "host/nodes/node_tree.h"
#include "platform/process.h"

namespace zrt::zrthost {

using namespace hostnodes;
namespace {

PluginSession* g_current = nullptr;

// Takes over the copy's attributes, and its children where they differ, into target.
void ZRT_CDECL CommitNodeCallback(HostNode* target, HostNode* copy) {
  if (target == nullptr || copy == nullptr) return;
  PluginSession::Current()->treeChanged = true;
  TakeOverCopy(target, copy);
}

HostNode* ZRT_CDECL CreateChildNodeCallback(HostNode* owner, const char* elementName, const char* name) {
  if (owner == nullptr) return nullptr;
  PluginSession::Current()->treeChanged = true;
  HostNode* node = AddChild(owner, elementName ? elementName : "");
  if (name != nullptr) SetValue(node, "Name", name);
  return node;
}

void ZRT_CDECL RemoveChildCallback(HostNode* parent, HostNode* child) {
  if (parent == nullptr || child == nullptr || child->parent != parent) return;
  PluginSession::Current()->treeChanged = true;
  DeleteNode(child);
}

int ZRT_CDECL RunCommandCallback(const char* commandLine, const char* workingDirectory, char* output, int outputSize,
                                 int* exitCode) {
  return PluginSession::Current()->RunCommand(commandLine, workingDirectory, output, outputSize, exitCode);
}

void ZRT_CDECL WriteOutputCallback(const char* text, int) { PluginSession::Current()->WriteOutput(text); }

// The window's text stays on the terminal: a cleared window starts below it.
void ZRT_CDECL ClearOutputCallback() {}

// The device choice is the project's; the next open passes it in HostInfo.
void ZRT_CDECL NotifySettingsChangeCallback(const DeviceRecord*) { PluginSession::Current()->treeChanged = true; }

void CopyOutput(const std::string& text, char* output, int outputSize) {
  if (output == nullptr || outputSize <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(outputSize - 1));
  std::memcpy(output, text.data(), n);
  output[n] = '\0';
}

}  // namespace

PluginSession* PluginSession::Current() { return g_current; }

PluginSession::~PluginSession() {
  // The plug-in keeps pointers into the HostInfo copy until it is unloaded.
  platform::FreeLibraryHandle(library_);
  if (g_current == this) g_current = nullptr;
}

bool PluginSession::Load(const std::string& libraryPath, std::string* error) {
  library_ = platform::LoadLibraryByPath(libraryPath);
  if (library_ == nullptr) {
    *error = "cannot load the plug-in " + platform::NativeLibraryPath(libraryPath);
    return false;
  }
  auto getInterface = reinterpret_cast<GetInterfaceFunction>(platform::FindLibrarySymbol(library_, "GetInterface"));
  table_ = getInterface ? getInterface() : nullptr;
  if (table_ == nullptr) {
    *error = "the plug-in " + libraryPath + " has no GetInterface or it answered null";
    return false;
  }
  g_current = this;
  table_->CommitNode = CommitNodeCallback;
  table_->CreateChildNode = CreateChildNodeCallback;
  table_->RemoveChild = RemoveChildCallback;
  table_->RunCommand = RunCommandCallback;
  table_->WriteOutput = WriteOutputCallback;
  table_->ClearOutput = ClearOutputCallback;
  table_->NotifySettingsChange = NotifySettingsChangeCallback;
  return true;
}

int PluginSession::Initialize(const HostSetup& setup) {
  setup_ = setup;
  clockMhz_ = DeviceDatabase::ClockMhz(setup_.device);
  info_ = HostInfo{};
  info_.installDirectory = setup_.installDirectory.c_str();
  info_.projectPath = setup_.projectPath.c_str();
  info_.cpuClock = setup_.device ? &clockMhz_ : nullptr;
  info_.deviceRecord = setup_.device;
  info_.hostStructure = &hostStructure_;
  info_.toolChainEntry = setup_.toolChainEntry.c_str();
  return table_->Initialize(&info_);
}

void PluginSession::StopOnInterrupt() {
  if (!InterruptRequested()) return;
  if (!stopped) window_->Note("zrthost: interrupted, stopping the build");
  stopped = true;
  // The file loop clears a stop requested before it starts (during the before-build
  // commands), so every later run asks again, as a user would press stop again.
  table_->StopBuild();
}

int PluginSession::RunCommand(const char* commandLine, const char* workingDirectory, char* output, int outputSize,
                              int* exitCode) {
  std::string line = commandLine ? commandLine : "";
  commands.push_back(line);
  if (echoCommands) window_->Note("> " + TerminalText(line));
  window_->CommandStarting(line);
  StopOnInterrupt();
  std::string text, error;
  int code = 0;
  bool started = false;
  if (recordOnly) {
    started = true;
  } else if (stopped) {
    // Ctrl-C came before this run: it is not started, as if the user had ended it.
    text = "interrupted";
    code = 130;
  } else {
    started = platform::RunProcess(line, workingDirectory ? workingDirectory : "", &text, &code, &error);
    if (!started) text = error;
  }
  CopyOutput(text, output, outputSize);
  if (exitCode != nullptr) *exitCode = code;
  window_->CommandFinished();
  StopOnInterrupt();
  return started ? 1 : 0;
}

}  // namespace zrt::zrthost
