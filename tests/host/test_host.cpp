#include "tests/host/test_host.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/environment.h"
#include "platform/process.h"

namespace zrt::testhost {
namespace {

namespace fs = std::filesystem;

TestHost* g_current = nullptr;

std::string WithBackslashes(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

void ZRT_CDECL CommitNodeCallback(HostNode* target, HostNode* copy) {
  TestHost* host = TestHost::Current();
  ++host->commitCount;
  if (target == nullptr || copy == nullptr) return;
  CopyAttributes(target, copy);
  std::vector<HostNode*> mine = ChildrenOf(target), theirs = ChildrenOf(copy);
  bool same = mine.size() == theirs.size() &&
              std::equal(mine.begin(), mine.end(), theirs.begin(), [](HostNode* a, HostNode* b) { return SameTree(a, b); });
  if (same) return;
  for (HostNode* child : mine) DeleteNode(child);
  for (HostNode* child : theirs) LinkChild(target, CopyTree(child));
}

HostNode* ZRT_CDECL CreateChildNodeCallback(HostNode* owner, const char* elementName, const char* name) {
  TestHost* host = TestHost::Current();
  host->createdElements.push_back(elementName ? elementName : "");
  HostNode* node = AddChild(owner, elementName ? elementName : "");
  if (name != nullptr) SetValue(node, "Name", name);
  return node;
}

void ZRT_CDECL RemoveChildCallback(HostNode*, HostNode* child) {
  ++TestHost::Current()->removeCount;
  DeleteNode(child);
}

int ZRT_CDECL RunCommandCallback(const char* commandLine, const char* workingDirectory, char* output, int outputSize,
                                 int* exitCode) {
  TestHost* host = TestHost::Current();
  CommandRun run{commandLine ? commandLine : "", workingDirectory ? workingDirectory : "", outputSize};
  host->commands.push_back(run);
  if (!host->commandScript) return 1;
  std::string text;
  int code = 0;
  int result = host->commandScript(run, &text, &code);
  if (output != nullptr && outputSize > 0) {
    size_t n = std::min(text.size(), static_cast<size_t>(outputSize - 1));
    std::memcpy(output, text.data(), n);
    output[n] = '\0';
  }
  if (exitCode != nullptr) *exitCode = code;
  return result;
}

void ZRT_CDECL WriteOutputCallback(const char* text, int) { TestHost::Current()->output.push_back(text ? text : ""); }

void ZRT_CDECL ClearOutputCallback() { ++TestHost::Current()->clearCount; }

void ZRT_CDECL NotifySettingsChangeCallback(const DeviceRecord* device) {
  TestHost::Current()->notifications.push_back(device);
}

}  // namespace

std::string PluginLibraryPath() { return ZRT_PLUGIN_FILE; }

CommandScript RunForReal() {
  return [](const CommandRun& run, std::string* output, int* exitCode) {
    std::string error;
    bool started = platform::RunProcess(run.commandLine, run.workingDirectory, output, exitCode, &error);
    if (!started) *output = error;
    return started ? 1 : 0;
  };
}

fs::path NativePath(const std::string& path) {
  std::string native = path;
  if (fs::path::preferred_separator == '/') std::replace(native.begin(), native.end(), '\\', '/');
  return fs::path(native);
}

std::string MakeTemporaryDirectory() {
  static std::atomic<int> counter{0};
  std::random_device random;
  fs::path path = fs::temp_directory_path() /
                  ("zrt-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
  fs::create_directories(path);
  return WithBackslashes(path.string());
}

TestHost::TestHost() {
  directory_ = MakeTemporaryDirectory();
  // The IDE works with the project folder as the current directory.
  previousDirectory_ = fs::current_path().string();
  fs::current_path(NativePath(directory_));
  fs::path library = NativePath(directory_) / fs::path(PluginLibraryPath()).filename();
  fs::copy_file(PluginLibraryPath(), library);
  libraryCopy_ = WithBackslashes(library.string());
  library_ = platform::LoadLibraryByPath(libraryCopy_);
  messageLog_ = (NativePath(directory_) / "messages.log").string();
  platform::SetEnvironment("ZRT_MSGBOX_LOG", messageLog_);
  platform::SetEnvironment("ZRT_MSGBOX_ANSWERS", "");
  // A registry store of this host's own (POSIX); Windows uses the real registry.
  platform::SetEnvironment("ZRT_REGISTRY", (NativePath(directory_) / "registry.reg").string());
  fs::create_directories(NativePath(installDirectory()));
  g_current = this;
  project_ = NewNode("OrbweaveProject");
  AddChild(project_, "Configurations");
  AddChild(project_, "Files");
  table_ = CallGetInterface();
  if (table_ != nullptr) InstallCallbacks();
}

TestHost::~TestHost() {
  DeleteNode(project_);
  platform::FreeLibraryHandle(library_);
  platform::SetEnvironment("ZRT_MSGBOX_LOG", "");
  platform::SetEnvironment("ZRT_MSGBOX_ANSWERS", "");
  platform::SetEnvironment("ZRT_REGISTRY", "");
  if (g_current == this) g_current = nullptr;
  std::error_code ignored;
  fs::current_path(previousDirectory_, ignored);
  fs::remove_all(NativePath(directory_), ignored);
}

TestHost* TestHost::Current() { return g_current; }

PluginInterface* TestHost::CallGetInterface() {
  auto getInterface = reinterpret_cast<GetInterfaceFunction>(platform::FindLibrarySymbol(library_, "GetInterface"));
  return getInterface ? getInterface() : nullptr;
}

void TestHost::InstallCallbacks() {
  table_->CommitNode = CommitNodeCallback;
  table_->CreateChildNode = CreateChildNodeCallback;
  table_->RemoveChild = RemoveChildCallback;
  table_->RunCommand = RunCommandCallback;
  table_->WriteOutput = WriteOutputCallback;
  table_->ClearOutput = ClearOutputCallback;
  table_->NotifySettingsChange = NotifySettingsChangeCallback;
}

HostNode* TestHost::AddConfiguration(const std::string& name) {
  return AddChild(configurations(), "Configuration", {{"Name", name}, {"OldName", name}});
}

HostNode* TestHost::CreateConfiguration(const std::string& name) {
  HostNode* node = AddConfiguration(name);
  table_->NodeCreated(node);
  return node;
}

HostNode* TestHost::CreateFile(HostNode* parent, const std::string& relativePath) {
  HostNode* node = AddChild(parent, "File", {{"RelativePath", relativePath}});
  table_->NodeCreated(node);
  return node;
}

int TestHost::Initialize(const std::string& projectFile, bool withHostStructure, const DeviceRecord* device) {
  installDirectory_ = installDirectory();
  projectPath_ = directory_ + "\\" + projectFile;
  toolChainEntry_ = "ARM";
  info_ = HostInfo{};
  info_.installDirectory = installDirectory_.c_str();
  info_.deviceRecord = device;
  info_.cpuClock = device ? &cpuClock_ : nullptr;
  info_.projectPath = projectPath_.c_str();
  info_.hostStructure = withHostStructure ? &hostStructure_ : nullptr;
  info_.toolChainEntry = toolChainEntry_.c_str();
  return table_->Initialize(&info_);
}

void TestHost::InstallPreferences(const std::string& entries) {
  fs::path opt = NativePath(installDirectory()) / "opt";
  fs::create_directories(opt);
  fs::copy_file(ZRT_PREFERENCE_FILE, opt / fs::path(ZRT_PREFERENCE_FILE).filename(),
                fs::copy_options::overwrite_existing);
  std::ofstream(opt / "Preference.txt", std::ios::binary) << entries;
}

void TestHost::MakeFile(const std::string& path, const std::string& content) {
  fs::path native = NativePath(path);
  fs::create_directories(native.parent_path());
  std::ofstream(native, std::ios::binary) << content;
}

bool TestHost::Exists(const std::string& path) { return fs::exists(NativePath(path)); }

std::vector<std::string> TestHost::Dependencies(const std::string& sourcePath) {
  std::vector<std::string> entries;
  char entry[260];
  for (int more = table_->NextDependency(sourcePath.c_str(), entry, sizeof entry, 1); more;
       more = table_->NextDependency(sourcePath.c_str(), entry, sizeof entry, 0)) {
    entries.push_back(entry);
  }
  return entries;
}

void TestHost::RecordDependencies(HostNode* file) {
  const char* source = Value(file, "RelativePath");
  for (const std::string& entry : Dependencies(source ? source : "")) {
    AddChild(file, "Dependency", {{"RelativePath", entry}});
  }
}

void TestHost::ScriptAnswers(const std::string& answers) { platform::SetEnvironment("ZRT_MSGBOX_ANSWERS", answers); }

std::vector<std::string> TestHost::MessageBoxTexts() const {
  std::ifstream in(messageLog_, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  std::vector<std::string> texts;
  std::string text;
  while (std::getline(content, text, '\0')) texts.push_back(text);
  return texts;
}

}  // namespace zrt::testhost
