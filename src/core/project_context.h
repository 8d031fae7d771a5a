// What the plug-in knows about the open project: one process-wide object that lives as
// long as the library.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/file_system.h"
#include "src/core/abi.h"

namespace zrt {

struct ProjectContext {
  std::string rootDirectory;
  std::string projectPath;
  std::string compilerPath;
  std::string assemblerPath;
  std::string linkerPath;
  std::string toolDirectory;
  std::string compilerIncludeDirectory;
  std::string deviceHeaderPath;
  std::string libraryDirectory;
  std::string startupFile;
  std::string cmsisIncludeDirectory;
  DeviceRecord deviceRecord{};
  std::array<uint8_t, kDeviceBlockSize> deviceBlock = InitialDeviceBlock();
  double cpuClock = 0.0;
  std::vector<HostNode*> configurations;
  std::vector<HostNode*> files;
  std::string cpuOption;
  std::string deviceOption;
  std::string projectName;
  std::string currentConfigurationName;
  int toolChainFound = 1;
  int scatterRequested = 0;
  std::string scatterFilePath;
  std::string deviceIncludeDirectory;
  int firstOpen = 1;
  int startupOfferPending = 1;

  // The file system the project operations use. Exposed for testing.
  platform::FileSystem* fileSystem = &platform::RealFileSystem();

  // Words 1, -1, 1, 1, 1, 0, then zero bytes.
  static std::array<uint8_t, kDeviceBlockSize> InitialDeviceBlock();
};

// The process-wide context.
ProjectContext& Context();

// The project path up to (not including) its last '\'; "" when it has none.
std::string GetProjectDirectory();
// File title of a project path without its extension; "unkown" without a ".".
std::string ProjectNameOf(const std::string& path);
// ".\" + current configuration name + "\" + name.
std::string MakeOutputPath(const std::string& name);
// The object file of a File node: MakeOutputPath of its "Output" value.
std::string ObjectPathOf(const HostNode* file);
// Rewrites a path below the project directory as ".\..." (in place).
void MakeRelativeToProject(std::string* path);
// The root of the tree the first listed configuration belongs to; null when none.
HostNode* GetProjectRoot();
// The project's "Files" element; null when none.
HostNode* GetFilesNode();
// The listed configuration named like the current one, else the last listed; null when
// the list is empty or a listed entry is null or unnamed before a match.
HostNode* GetCurrentConfiguration();
// First child of node, of any element name, whose "Name" equals name.
HostNode* FindChildByName(const HostNode* node, const char* name);
// First child named elementName whose "Name" equals name.
HostNode* FindSectionByName(const HostNode* node, const char* elementName, const char* name);
// Appends every child of the project's "Configurations" not yet listed.
void CollectConfigurations(const HostNode* project);
// Appends every buildable File below the project's "Files" not yet listed.
void CollectFiles(const HostNode* project);
// Appends file to the file list when its FileType is buildable and it is not listed yet.
void AddBuildableFile(HostNode* file);
// Takes every File below filter (through nested Filters) out of the file list.
void RemoveFilesUnder(const HostNode* filter);
// True when node (and with walkUp its ancestors up to "Files") is excluded from the
// current configuration's build.
bool IsExcludedFromBuild(const HostNode* node, bool walkUp);
// True when node is excluded or has an override section for the current configuration.
bool HasLocalSettings(const HostNode* node);
// Sets "LocalConfigure" of node and everything below it from HasLocalSettings.
void RefreshLocalConfigureMarkers(HostNode* node);
// Last-write times of dependency files, by path, kept for one build so that a header
// shared by many sources is looked at once; a change made while the build runs is seen
// by the next build.
using DependencyTimes = std::unordered_map<std::string, int64_t>;

// The incremental-build test of one File node: its object is missing or older than the
// source or than one of the files its children's RelativePath name (or one of those is
// missing). Dependency times are read through dependencyTimes when given.
bool IsOutOfDate(const HostNode* file, DependencyTimes* dependencyTimes = nullptr);
// Renames the sections and "nobuild" entries below "Files" from oldName to newName.
void RenameConfigurationInFiles(const char* newName, const char* oldName);
// Moves default output names ("0,...") of an output section to the configuration newName.
void FollowOutputNames(HostNode* outputSection, const std::string& newName);

}  // namespace zrt
