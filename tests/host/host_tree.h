// The test host builds its nodes with the host side's own node code (host/nodes/), in the
// shared layout, with the host's allocation and dispatch table, as the IDE would.
#pragma once

#include "host/nodes/node_tree.h"

namespace zrt::testhost {

using namespace hostnodes;

}  // namespace zrt::testhost
