// Registry access: the Win32 registry on Windows; on POSIX a file-backed store in the
// Windows ".reg" export format (REGEDIT4), path from ZRT_REGISTRY, written atomically.
#pragma once

#include <string>
#include <vector>

namespace zrt::platform {

enum class RegistryRoot { kClassesRoot, kCurrentUser, kLocalMachine };

class Registry {
 public:
  virtual ~Registry() = default;

  // Reads a string value; an empty valueName is the key's default value. False when the
  // key or value does not exist.
  virtual bool QueryValue(RegistryRoot root, const std::string& key, const std::string& valueName,
                          std::string* value) = 0;
  // Writes a string value, creating the key as needed. False on failure.
  virtual bool SetValue(RegistryRoot root, const std::string& key, const std::string& valueName,
                        const std::string& value) = 0;
  // Deletes one value. False when it did not exist or could not be deleted.
  virtual bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& valueName) = 0;
  // Names of the string values of a key in stored order ("" for the default value); empty
  // when the key does not exist. Values of other kinds are left out.
  virtual std::vector<std::string> EnumerateValues(RegistryRoot root, const std::string& key) = 0;
  // Creates a key (and its parents). False on failure.
  virtual bool CreateKey(RegistryRoot root, const std::string& key) = 0;
  // True when the key exists.
  virtual bool KeyExists(RegistryRoot root, const std::string& key) = 0;
};

// The machine's registry (POSIX: the store named by ZRT_REGISTRY, else
// $XDG_CONFIG_HOME/zrtsettings/registry.reg, else ~/.config/zrtsettings/registry.reg).
Registry& RealRegistry();

}  // namespace zrt::platform
