#include "platform/environment.h"
#include "tests/platform/registry_sandbox.h"

namespace zrt::platform::testing {

RegistrySandbox::RegistrySandbox() : key_("Software\\ZRTSettingsTest") {
  SetEnvironment("ZRT_REGISTRY", (folder_.Path() / "registry.reg").string());
}

RegistrySandbox::~RegistrySandbox() { SetEnvironment("ZRT_REGISTRY", ""); }

}  // namespace zrt::platform::testing
