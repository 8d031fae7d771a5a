#include <windows.h>

#include "tests/platform/registry_sandbox.h"

namespace zrt::platform::testing {

RegistrySandbox::RegistrySandbox()
    : key_("Software\\ZRTSettingsTest\\Run" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(GetTickCount())) {}

RegistrySandbox::~RegistrySandbox() {
  RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
  // The shared parent goes only when no other run still uses it.
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZRTSettingsTest");
}

}  // namespace zrt::platform::testing
