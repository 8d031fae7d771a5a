#include "src/convert/convert_entry.h"

#include "src/convert/project_conversion.h"
#include "src/core/boundary.h"

namespace zrt::entries {

const char* ZRT_CDECL ConvertProject(HostNode* project, const char* uvisionPath) {
  return Guarded<const char*>(nullptr, [&] { return zrt::ConvertProject(project, uvisionPath); });
}

}  // namespace zrt::entries
