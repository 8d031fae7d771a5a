#include "src/build/build_project.h"

#include <atomic>
#include <cstring>
#include <set>
#include <string>

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
  DependencyTimes dependencyTimes;             // read after the before-build commands ran
};

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

void BuildFile(HostNode* file, BuildRun* run) {
  int type = IntAttribute(file, "FileType");
  if (type == kLibraryFile || type == kObjectFile) {
    const char* path = GetAttribute(file, "RelativePath");
    run->linkList += " " + Quoted(path ? path : "");
    return;
  }
  if (!IsSourceFileType(type)) return;
  const char* sectionName = SourceSectionName(type);
  bool needBuild = !run->rebuildAll && IsOutOfDate(file, &run->dependencyTimes);
  if (!needBuild) needBuild = SettingsChanged(file, sectionName, run);
  char* buffer = BuildBuffer();
  if (needBuild || run->rebuildAll || run->configurationModified) {
    CompileOneFile(sectionName, file, buffer, kBuildBufferSize);
    int warnings = 0;
    run->errors += ParseToolOutput(buffer, CapturedLength(buffer, kBuildBufferSize), kCompilerOutput, &warnings);
    run->warnings += warnings;
    // The buffer is zero after every file; only a run can have written into it.
    std::memset(buffer, 0, kBuildBufferSize);
  }
  run->linkList += " " + Quoted(ObjectPathOf(file));
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
  if (configuration != nullptr) {
    RunUserCommands(configuration, "BfB");
    run.configurationModified = IntAttribute(configuration, "cfgModify") != 0;
  }
  stopRequested = 0;
  // The host may change the file list while a tool runs, so it is walked by index.
  for (size_t i = 0; i < context.files.size() && !stopRequested; ++i) {
    HostNode* file = context.files[i];
    if (file != nullptr && !IsExcludedFromBuild(file, true)) BuildFile(file, &run);
  }
  if (stopRequested) {
    WriteLine("Stop build...\r\n");
    return 1;
  }
  if (run.errors == 0 && run.configurationModified) UpdateNodeAttribute(configuration, "cfgModify", "0");
  for (HostNode* section : run.modifiedGroupSections) UpdateNodeAttribute(section, "cfgModify", "0");
  return LinkStep(run.errors, run.warnings, run.linkList, BuildBuffer(), kBuildBufferSize);
}

void StopBuild() { stopRequested = 1; }

}  // namespace zrt
