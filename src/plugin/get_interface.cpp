// The library's one export.
#include "src/core/abi.h"
#include "src/core/interface_table.h"
#include "src/plugin/plugin_interface.h"

#if defined(_WIN32)
#define ZRT_EXPORT __declspec(dllexport)
#else
#define ZRT_EXPORT __attribute__((visibility("default")))
#endif

extern "C" ZRT_EXPORT PluginInterface* ZRT_CDECL GetInterface() {
  zrt::FillPluginSlots();
  return &zrt::Interface();
}
