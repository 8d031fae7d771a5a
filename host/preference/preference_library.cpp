// Stand-in for the host's preference library (opt\Preference.dll). It answers the
// "ToolChain" group's key "ZRT" with the tool-chain entries listed in Preference.txt next
// to the library: one entry per line, fields separated by '|' (name|x|x|include
// directories|tool directories|x, directories separated by '?'); blank lines and lines
// starting with '#' are skipped. Entries are handed over joined by '*'.
#include <cstring>
#include <sstream>
#include <string>

#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "src/core/preference_abi.h"

#if defined(_WIN32)
#define ZRT_EXPORT __declspec(dllexport)
#else
#define ZRT_EXPORT __attribute__((visibility("default")))
#endif

extern "C" ZRT_EXPORT PreferenceTable* ZRT_CDECL GetOPTI();

namespace {

int g_toolChainGroup;
int g_otherGroup;

// Preference.txt in the library's own folder.
std::string EntriesFilePath() {
  std::string library = zrt::platform::ModulePathOf(reinterpret_cast<const void*>(&GetOPTI));
  size_t slash = library.rfind('\\');
  return (slash == std::string::npos ? std::string() : library.substr(0, slash + 1)) + "Preference.txt";
}

std::string ReadEntries() {
  std::string content;
  if (!zrt::platform::RealFileSystem().ReadFile(EntriesFilePath(), &content)) return "";
  std::istringstream lines(content);
  std::string line, entries;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    entries += (entries.empty() ? "" : "*") + line;
  }
  return entries;
}

struct OwnedResult {
  PreferenceResult result;  // first, so the plug-in's pointer is this record's address
  std::string text;
};

void ZRT_CDECL ReleaseResult(PreferenceResult* result) { delete reinterpret_cast<OwnedResult*>(result); }

void* ZRT_CDECL OpenGroup(const char* const* names, int count) {
  bool toolChain = names != nullptr && count > 0 && names[0] != nullptr && std::strcmp(names[0], "ToolChain") == 0;
  return toolChain ? &g_toolChainGroup : &g_otherGroup;
}

PreferenceResult* ZRT_CDECL Query(void* group, const char* key) {
  if (group != &g_toolChainGroup || key == nullptr || std::strcmp(key, "ZRT") != 0) return nullptr;
  auto* owned = new OwnedResult{};
  owned->text = ReadEntries();
  owned->result.text = owned->text.c_str();
  owned->result.Release = ReleaseResult;
  return &owned->result;
}

PreferenceTable g_table = {OpenGroup, nullptr, nullptr, nullptr, Query};

}  // namespace

extern "C" ZRT_EXPORT PreferenceTable* ZRT_CDECL GetOPTI() { return &g_table; }
