// The registry as one ".reg" file, read afresh on every call (other processes may edit
// it) and replaced atomically on every change.
#include "platform/registry.h"

#include <algorithm>
#include <cctype>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/posix/native_path.h"
#include "platform/posix/reg_file.h"

namespace zrt::platform {
namespace {

// Root key names, indexed by RegistryRoot.
constexpr const char* kRootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"};

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x81; }

// The components of a key text; empty ones (from a doubled or a trailing backslash) are
// dropped. A GBK trail byte with the code of a backslash is no separator.
std::vector<std::string> KeyParts(const std::string& key) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < key.size(); ++i) {
    if (key[i] == '\\') {
      if (!parts.back().empty()) parts.emplace_back();
      continue;
    }
    parts.back() += key[i];
    if (IsLeadByte(key[i]) && i + 1 < key.size()) parts.back() += key[++i];
  }
  if (parts.back().empty()) parts.pop_back();
  return parts;
}

// Registry names compare without regard to ASCII case; double-byte characters as they are.
std::string Fold(const std::string& name) {
  std::string folded;
  for (size_t i = 0; i < name.size(); ++i) {
    folded += static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    if (IsLeadByte(name[i]) && i + 1 < name.size()) folded += name[++i];
  }
  return folded;
}

// The section header of a key: root name and components joined by single backslashes.
std::string SectionName(RegistryRoot root, const std::string& key) {
  std::string name = kRootNames[static_cast<int>(root)];
  for (const std::string& part : KeyParts(key)) name += "\\" + part;
  return name;
}

// The components of a section header or key name as they compare.
std::vector<std::string> FoldedParts(const std::string& name) { return KeyParts(Fold(name)); }

RegSection* FindSection(RegFile* file, RegistryRoot root, const std::string& key) {
  std::vector<std::string> wanted = FoldedParts(SectionName(root, key));
  for (RegSection& section : file->sections) {
    if (FoldedParts(section.header) == wanted) return &section;
  }
  return nullptr;
}

RegSection& FindOrAddSection(RegFile* file, RegistryRoot root, const std::string& key) {
  if (RegSection* section = FindSection(file, root, key)) return *section;
  file->sections.push_back(RegSection{SectionName(root, key), {}});
  return file->sections.back();
}

// The value line named name (of any kind); lines.end() when absent.
std::vector<RegLine>::iterator FindValue(RegSection* section, const std::string& name) {
  std::string folded = Fold(name);
  auto it = section->lines.begin();
  while (it != section->lines.end() && !(it->isValue && Fold(it->name) == folded)) ++it;
  return it;
}

// The system's path (UTF-8) of the store: ZRT_REGISTRY, else
// $XDG_CONFIG_HOME/zrtsettings/registry.reg, else ~/.config/zrtsettings/registry.reg;
// empty when none can be named.
std::string NativeStorePath() {
  std::string path;
  if (GetEnvironment("ZRT_REGISTRY", &path) && !path.empty()) return path;
  if (GetEnvironment("XDG_CONFIG_HOME", &path) && !path.empty()) return path + "/zrtsettings/registry.reg";
  if (GetEnvironment("HOME", &path) && !path.empty()) return path + "/.config/zrtsettings/registry.reg";
  return std::string();
}

// The store's path as the file system layer takes it (ANSI, '\').
std::string StorePath() { return AnsiPath(NativeStorePath()); }

class FileRegistry : public Registry {
 public:
  bool QueryValue(RegistryRoot root, const std::string& key, const std::string& valueName,
                  std::string* value) override {
    RegFile file;
    RegSection* section = Load(&file) ? FindSection(&file, root, key) : nullptr;
    if (section == nullptr) return false;
    auto line = FindValue(section, valueName);
    if (line == section->lines.end() || !line->isString) return false;
    *value = line->data;
    return true;
  }

  bool SetValue(RegistryRoot root, const std::string& key, const std::string& valueName,
                const std::string& value) override {
    RegFile file;
    if (!Load(&file)) return false;
    RegSection& section = FindOrAddSection(&file, root, key);
    auto line = FindValue(&section, valueName);
    if (line == section.lines.end()) {
      section.lines.push_back(MakeStringValue(valueName, value));
    } else {
      *line = MakeStringValue(line->name, value);
    }
    return Save(file);
  }

  bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& valueName) override {
    RegFile file;
    RegSection* section = Load(&file) ? FindSection(&file, root, key) : nullptr;
    if (section == nullptr) return false;
    auto line = FindValue(section, valueName);
    if (line == section->lines.end()) return false;
    section->lines.erase(line);
    return Save(file);
  }

  std::vector<std::string> EnumerateValues(RegistryRoot root, const std::string& key) override {
    std::vector<std::string> names;
    RegFile file;
    RegSection* section = Load(&file) ? FindSection(&file, root, key) : nullptr;
    if (section == nullptr) return names;
    for (const RegLine& line : section->lines) {
      if (line.isString) names.push_back(line.name);
    }
    return names;
  }

  bool CreateKey(RegistryRoot root, const std::string& key) override {
    RegFile file;
    if (!Load(&file)) return false;
    if (FindSection(&file, root, key) != nullptr) return true;
    FindOrAddSection(&file, root, key);
    return Save(file);
  }

  // A key exists when it has a section of its own or below it (an exported file need not
  // list every parent), and a root always exists.
  bool KeyExists(RegistryRoot root, const std::string& key) override {
    if (KeyParts(key).empty()) return true;
    RegFile file;
    if (!Load(&file)) return false;
    std::vector<std::string> wanted = FoldedParts(SectionName(root, key));
    for (const RegSection& section : file.sections) {
      std::vector<std::string> header = FoldedParts(section.header);
      if (header.size() >= wanted.size() && std::equal(wanted.begin(), wanted.end(), header.begin())) return true;
    }
    return false;
  }

 private:
  // Reads the store; a store that does not exist yet is empty. False when it cannot be read.
  static bool Load(RegFile* file) {
    std::string path = StorePath();
    FileSystem& fs = RealFileSystem();
    if (path.empty()) return false;
    if (!fs.Exists(path)) return true;
    std::string text;
    if (!fs.ReadFile(path, &text)) return false;
    *file = ParseRegFile(text);
    return true;
  }

  // Writes the store, creating its folder as needed.
  static bool Save(const RegFile& file) {
    std::string path = StorePath();
    FileSystem& fs = RealFileSystem();
    if (path.empty()) return false;
    for (size_t slash = path.find('\\', 1); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
      fs.MakeDirectory(path.substr(0, slash));
    }
    return fs.WriteFile(path, FormatRegFile(file));
  }
};

}  // namespace

Registry& RealRegistry() {
  static FileRegistry registry;
  return registry;
}

}  // namespace zrt::platform
