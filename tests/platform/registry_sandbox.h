// A registry key of the test's own under HKEY_CURRENT_USER, removed at the end: on
// POSIX in a store file of its own (ZRT_REGISTRY), on Windows in the real registry.
#pragma once

#include <string>

#include "platform/registry.h"
#include "tests/platform/temp_folder.h"

namespace zrt::platform::testing {

class RegistrySandbox {
 public:
  RegistrySandbox();
  ~RegistrySandbox();
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;

  // The key below HKEY_CURRENT_USER that the test may use, "Software\ZRTSettingsTest..." .
  const std::string& Key() const { return key_; }
  // The folder the sandbox owns (the POSIX store lives there).
  const TempFolder& Folder() const { return folder_; }

 private:
  TempFolder folder_;
  std::string key_;
};

// The value name of key below HKEY_CURRENT_USER in the real registry; "<none>" when absent.
inline std::string Query(const std::string& key, const std::string& name) {
  std::string value = "<none>";
  RealRegistry().QueryValue(RegistryRoot::kCurrentUser, key, name, &value);
  return value;
}

}  // namespace zrt::platform::testing
