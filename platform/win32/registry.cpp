// The Win32 registry through the ANSI (A) functions; values are REG_SZ.
#include "platform/registry.h"

#include <windows.h>

namespace zrt::platform {
namespace {

// Root keys, indexed by RegistryRoot.
const HKEY kRootKeys[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};

// Longest value name the registry allows, with its terminating zero.
constexpr DWORD kMaxValueName = 16384;

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// An open key, closed when it goes out of scope.
class OpenKey {
 public:
  OpenKey(RegistryRoot root, const std::string& key, REGSAM access, bool create) {
    HKEY parent = kRootKeys[static_cast<int>(root)];
    LONG result = create ? RegCreateKeyExA(parent, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                           nullptr, &key_, nullptr)
                         : RegOpenKeyExA(parent, key.c_str(), 0, access, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

class Win32Registry : public Registry {
 public:
  bool QueryValue(RegistryRoot root, const std::string& key, const std::string& valueName,
                  std::string* value) override {
    OpenKey open(root, key, KEY_QUERY_VALUE, false);
    if (open.get() == nullptr) return false;
    std::string data(256, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    LONG result;
    while ((result = RegQueryValueExA(open.get(), valueName.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(&data[0]), &size)) == ERROR_MORE_DATA) {
      data.resize(size);
    }
    if (result != ERROR_SUCCESS || !IsText(type)) return false;
    data.resize(size);
    // The stored text may or may not end in zeros.
    data.erase(data.find_last_not_of('\0') + 1);
    *value = data;
    return true;
  }

  // The data length is the text's length: no terminating zero is stored.
  bool SetValue(RegistryRoot root, const std::string& key, const std::string& valueName,
                const std::string& value) override {
    OpenKey open(root, key, KEY_SET_VALUE, true);
    return open.get() != nullptr &&
           RegSetValueExA(open.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data()),
                          static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
  }

  bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& valueName) override {
    OpenKey open(root, key, KEY_SET_VALUE, false);
    return open.get() != nullptr && RegDeleteValueA(open.get(), valueName.c_str()) == ERROR_SUCCESS;
  }

  std::vector<std::string> EnumerateValues(RegistryRoot root, const std::string& key) override {
    std::vector<std::string> names;
    OpenKey open(root, key, KEY_QUERY_VALUE, false);
    if (open.get() == nullptr) return names;
    char name[kMaxValueName];
    for (DWORD index = 0;; ++index) {
      DWORD length = kMaxValueName;
      DWORD type = 0;
      LONG result = RegEnumValueA(open.get(), index, name, &length, nullptr, &type, nullptr, nullptr);
      if (result == ERROR_NO_MORE_ITEMS) break;
      if (result == ERROR_SUCCESS && IsText(type)) names.emplace_back(name, length);
    }
    return names;
  }

  bool CreateKey(RegistryRoot root, const std::string& key) override {
    return OpenKey(root, key, KEY_QUERY_VALUE, true).get() != nullptr;
  }

  bool KeyExists(RegistryRoot root, const std::string& key) override {
    return OpenKey(root, key, KEY_QUERY_VALUE, false).get() != nullptr;
  }
};

}  // namespace

Registry& RealRegistry() {
  static Win32Registry registry;
  return registry;
}

}  // namespace zrt::platform
