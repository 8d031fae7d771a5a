#include "src/core/tool_chain.h"

#include <algorithm>

#include "platform/dynamic_library.h"
#include "platform/registry.h"
#include "src/core/host_callbacks.h"
#include "src/core/interface_table.h"
#include "src/core/preference_abi.h"
#include "src/core/project_context.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

constexpr int kProbeBufferSize = 4096;
constexpr size_t kRegistryValueLimit = 275;  // the value is read into 276 bytes

// Splits text at every separator; empty pieces are kept.
std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
    pieces.push_back(text.substr(start, end - start));
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

ToolChainRecord ParseEntry(const std::string& entry) {
  std::vector<std::string> fields = SplitAt(entry, '|');
  if (fields.size() > 1 && fields.back().empty()) fields.pop_back();  // a trailing "|"
  ToolChainRecord record;
  for (size_t i = 0; i < fields.size() && i < record.fields.size(); ++i) record.fields[i] = fields[i];
  return record;
}

// The preference text for key in the "ToolChain" group; false when the library has none.
bool QueryPreferences(platform::LibraryHandle library, const std::string& key, std::string* text) {
  auto getOpti = reinterpret_cast<GetOptiFunction>(platform::FindLibrarySymbol(library, "GetOPTI"));
  PreferenceTable* table = getOpti ? getOpti() : nullptr;
  if (table == nullptr || table->OpenGroup == nullptr || table->Query == nullptr) return false;
  static const char* const kGroups[] = {"ToolChain"};
  void* group = table->OpenGroup(kGroups, 1);
  PreferenceResult* result = table->Query(group, key.c_str());
  if (result == nullptr) return false;
  *text = result->text ? result->text : "";
  if (result->Release) result->Release(result);
  return true;
}

}  // namespace

std::vector<ToolChainRecord> ParseToolChainEntries(const std::string& text) {
  std::vector<ToolChainRecord> records;
  if (text.empty()) return records;
  std::vector<std::string> entries = SplitAt(text, '*');
  if (entries.back().empty()) entries.pop_back();  // nothing after the last "*"
  for (const std::string& entry : entries) records.push_back(ParseEntry(entry));
  return records;
}

ToolChainRecord ReadToolChainRecord(const std::string& libraryPath, const std::string& entryName,
                                    const std::string& key) {
  platform::LibraryHandle library = platform::LoadLibraryByPath(libraryPath);
  if (library == nullptr) return ToolChainRecord{};
  std::string text;
  bool answered = QueryPreferences(library, key, &text);
  platform::FreeLibraryHandle(library);
  if (!answered) return ToolChainRecord{};
  std::vector<ToolChainRecord> records = ParseToolChainEntries(text);
  for (const ToolChainRecord& record : records) {
    if (record.name() == entryName) return record;
  }
  return records.empty() ? ToolChainRecord{} : records.front();
}

std::string FindToolDirectory(const std::string& rootDirectory, const std::string& key, const std::string& entryName) {
  ToolChainRecord record = ReadToolChainRecord(rootDirectory + "opt\\Preference.dll", entryName, key);
  std::string found;
  for (const std::string& directory : SplitAt(record.toolDirectories(), '?')) {
    std::vector<std::string> names = Context().fileSystem->ListDirectory(directory);
    if (std::find(names.begin(), names.end(), "armcc.exe") != names.end()) found = directory;
  }
  return found;
}

std::string FindKeilRoot() {
  std::string command;
  if (!platform::RealRegistry().QueryValue(platform::RegistryRoot::kClassesRoot, "UV2FILE\\Shell\\open\\command", "",
                                           &command)) {
    return "";
  }
  command = command.substr(0, kRegistryValueLimit);
  size_t quote = command.find('"');
  size_t lastSlash = command.rfind('\\');
  if (quote == std::string::npos || lastSlash == std::string::npos || quote >= lastSlash) return "";
  std::string program = command.substr(quote + 1, lastSlash - quote - 1);
  size_t slash = program.rfind('\\');
  return slash == std::string::npos ? "" : program.substr(0, slash + 1);
}

int ProbeCompiler(const std::string& compilerPath) {
  std::string command = compilerPath + " --cpu list";
  std::vector<char> output(kProbeBufferSize);
  int exitCode = 0;
  host::RunCommand(command.c_str(), GetProjectDirectory().c_str(), output.data(), kProbeBufferSize, &exitCode);
  output.back() = '\0';
  return exitCode == 0 && std::string(output.data()).find("error") == std::string::npos ? 1 : 0;
}

std::string DeviceRegisterDirectory(const std::string& directory) {
  return DeviceRegisterDirectory(directory, &Context().deviceRecord);
}

std::string DeviceRegisterDirectory(const std::string& directory, const DeviceRecord* device) {
  const char* entry = FindPrefixedEntry(device, "REGFILE");
  std::string name = entry ? TextBetween(entry, '"', '"') : "";
  std::string base = directory.empty() ? Context().deviceIncludeDirectory : directory;
  return name.empty() ? base : base + "\\" + name;
}

std::string TextBetween(const std::string& text, char first, char second) {
  size_t start = text.find(first);
  if (start == std::string::npos) return "";
  size_t end = text.find(second, start + 1);
  return end == std::string::npos ? "" : text.substr(start + 1, end - start - 1);
}

std::string ExtraIncludeDirectories() {
  const char* entryName = HostInfoCopy().toolChainEntry;
  ToolChainRecord record =
      ReadToolChainRecord(Context().rootDirectory + "\\opt\\Preference.dll", entryName ? entryName : "", "ZRT");
  std::string directories = record.includeDirectories();
  std::replace(directories.begin(), directories.end(), '?', ';');
  if (!directories.empty() && directories.back() == ';') directories.pop_back();
  return directories;
}

}  // namespace zrt
