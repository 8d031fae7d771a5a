#include "src/build/build_project.h"

#include <atomic>
#include <cstring>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "src/build/compile_one_file.h"
#include "src/build/link_step.h"
#include "src/build/text_format.h"
#include "src/build/tool_output.h"
#include "src/build/tool_run.h"
#include "src/build/user_commands.h"
#include "src/config/file_defaults.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

// Set by StopBuild, possibly while a tool runs; read before each file.
std::atomic<int> stopRequested{0};

constexpr int kLibraryFile = 10;
constexpr int kObjectFile = 11;

// The state of one build run.
struct BuildRun {
  bool rebuildAll = false;
  bool configurationModified = false;
  int errors = 0;
  int warnings = 0;
  std::string linkList;
  std::set<HostNode*> modifiedGroupSections;  // group sections whose cfgModify made files compile
  DependencyTimes dependencyTimes;             // read since the last user command ran
  unsigned userCommandRuns = 0;                // UserCommandRuns() when the times were read
  std::vector<const HostNode*> handled;        // files built so far, in order
};

// True when file is still listed after the host ran commands; removalsBefore is the file
// list's removal count from before they ran.
bool StillListed(const HostNode* file, uint64_t removalsBefore) {
  const NodeList& files = Context().files;
  return files.RemovalCount() == removalsBefore || files.Contains(file);
}

// A user command may have rewritten any file, so the times read before it are forgotten.
void ForgetTimesAfterUserCommands(BuildRun* run) {
  if (run->userCommandRuns == UserCommandRuns()) return;
  run->dependencyTimes.clear();
  run->userCommandRuns = UserCommandRuns();
}

// True when the file's own settings, or its group's, changed since its last compile. The
// file's own flag is reset at once; the group's once the build is over.
bool SettingsChanged(HostNode* file, const char* sectionName, BuildRun* run) {
  const char* configurationName = Context().currentConfigurationName.c_str();
  if (HostNode* local = FindChildByName(file, configurationName)) {
    int modified = IntAttribute(local, "cfgModify");
    if (modified != 0) UpdateNodeAttribute(local, "cfgModify", "0");
    return modified != 0;
  }
  if (!IsElement(file->parent, "Filter")) return false;
  HostNode* group = FindSectionByName(file->parent, sectionName, configurationName);
  if (group == nullptr || IntAttribute(group, "cfgModify") == 0) return false;
  run->modifiedGroupSections.insert(group);
  return true;
}

// Appends a blank and the quoted path to the link list.
void AppendToLinkList(const std::string& path, BuildRun* run) { run->linkList.append(" \"").append(path).append("\""); }

void BuildFile(HostNode* file, BuildRun* run) {
  int type = IntAttribute(file, "FileType");
  if (type == kLibraryFile || type == kObjectFile) {
    const char* path = GetAttribute(file, "RelativePath");
    AppendToLinkList(path ? path : "", run);
    return;
  }
  if (!IsSourceFileType(type)) return;
  const char* sectionName = SourceSectionName(type);
  std::string object = ObjectPathOf(file);
  ForgetTimesAfterUserCommands(run);
  bool needBuild = !run->rebuildAll && IsOutOfDate(file, object, &run->dependencyTimes);
  if (!needBuild) needBuild = SettingsChanged(file, sectionName, run);
  char* buffer = BuildBuffer();
  if (needBuild || run->rebuildAll || run->configurationModified) {
    uint64_t removals = Context().files.RemovalCount();
    CompileOneFile(sectionName, file, buffer, kBuildBufferSize);
    int warnings = 0;
    run->errors += ParseToolOutput(buffer, CapturedLength(buffer, kBuildBufferSize), kCompilerOutput, &warnings);
    run->warnings += warnings;
    // The buffer is zero after every file; only a run can have written into it.
    std::memset(buffer, 0, kBuildBufferSize);
    if (!StillListed(file, removals)) return;  // the host removed it while the tool ran
    object = ObjectPathOf(file);
  }
  AppendToLinkList(object, run);
}

// The index of the first listed file not built yet, after the host removed files.
size_t NextUnhandled(const BuildRun& run) {
  std::unordered_set<const HostNode*> handled(run.handled.begin(), run.handled.end());
  const NodeList& files = Context().files;
  size_t i = 0;
  while (i < files.size() && handled.count(files[i]) != 0) ++i;
  return i;
}

// Builds every listed file in order. The host may remove files while a command runs (it
// tells the plug-in first), so after such a removal the loop goes on with the first
// listed file not yet built.
void BuildFiles(BuildRun* run) {
  const NodeList& files = Context().files;
  for (size_t i = 0; i < files.size() && !stopRequested;) {
    HostNode* file = files[i];
    uint64_t removals = files.RemovalCount();
    run->handled.push_back(file);
    if (file != nullptr && !IsExcludedFromBuild(file, true)) BuildFile(file, run);
    i = files.RemovalCount() == removals ? i + 1 : NextUnhandled(*run);
  }
}

// Keeps the group sections that still belong to a group of a listed file.
void DropRemovedGroupSections(BuildRun* run) {
  std::set<HostNode*> kept;
  for (const HostNode* file : Context().files) {
    for (HostNode* s = file && file->parent ? file->parent->firstChild : nullptr; s; s = s->nextSibling) {
      if (run->modifiedGroupSections.count(s) != 0) kept.insert(s);
    }
  }
  run->modifiedGroupSections.swap(kept);
}

// Whether there is anything to build; shows why not.
bool CanBuild() {
  if (Context().toolChainFound == 0) {
    ShowToolChainMissing();
    return false;
  }
  if (Context().files.empty() || Context().configurations.empty()) {
    ShowWarning("工程中没有可编译的文件或者不存在可用的配置");
    return false;
  }
  return true;
}

}  // namespace

int BuildProject(int rebuildAll) {
  if (!CanBuild()) return 0;
  ProjectContext& context = Context();
  context.fileSystem->SetCurrentDirectory(GetProjectDirectory());
  std::memset(BuildBuffer(), 0, kBuildBufferSize);
  host::ClearOutput();
  WriteLine(Format("---------- Build Project: %s, Target: %s ----------\r\n", context.projectName.c_str(),
                   context.currentConfigurationName.c_str()));
  BuildRun run;
  run.rebuildAll = rebuildAll != 0;
  HostNode* configuration = GetCurrentConfiguration();
  if (configuration != nullptr) RunUserCommands(configuration, "BfB");
  // The host may remove the configuration while the commands run.
  if (!IsListedConfiguration(configuration)) configuration = nullptr;
  run.configurationModified = IntAttribute(configuration, "cfgModify") != 0;
  run.userCommandRuns = UserCommandRuns();
  uint64_t removals = context.files.RemovalCount();
  stopRequested = 0;
  BuildFiles(&run);
  if (stopRequested) {
    WriteLine("Stop build...\r\n");
    return 1;
  }
  if (!IsListedConfiguration(configuration)) configuration = nullptr;
  if (run.errors == 0 && run.configurationModified) UpdateNodeAttribute(configuration, "cfgModify", "0");
  if (context.files.RemovalCount() != removals) DropRemovedGroupSections(&run);
  for (HostNode* section : run.modifiedGroupSections) UpdateNodeAttribute(section, "cfgModify", "0");
  return LinkStep(run.errors, run.warnings, run.linkList, BuildBuffer(), kBuildBufferSize);
}

void StopBuild() { stopRequested = 1; }

}  // namespace zrt
