#include "src/plugin/plugin_interface.h"

namespace zrt {

PluginInterface& Interface() {
  static PluginInterface table{};
  return table;
}

}  // namespace zrt
