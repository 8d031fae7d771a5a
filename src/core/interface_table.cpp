#include "src/core/interface_table.h"

namespace zrt {

PluginInterface& Interface() {
  static PluginInterface table{};
  return table;
}

DebuggerAccessorTable& AccessorTable() {
  static DebuggerAccessorTable record{};
  return record;
}

HostInfo& HostInfoCopy() {
  static HostInfo copy{};
  return copy;
}

}  // namespace zrt
