// Feeds arbitrary text to the uVision2 project reader as a .uv2 file and walks what it
// read: no input may crash it, hang it or make it read or write out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "src/convert/uv2_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zrt::platform::SetMessageBoxHandler([](const std::string&, const std::string&, zrt::platform::MessageButtons,
                                         zrt::platform::MessageIcon) { return zrt::platform::MessageAnswer::kOk; });
  zrt::CUv2Reader reader(std::string(reinterpret_cast<const char*>(data), size));
  if (!reader.Open() || !reader.ReadTargets()) return 0;
  std::vector<const zrt::TargetRecord*> targets;
  reader.GetTargets(&targets);
  size_t total = 0;
  for (const zrt::TargetRecord* target : targets) total += target->name.size() + target->target.XROM.size();
  zrt::ProjectItem* group = nullptr;
  reader.GetGroups(&group);
  for (; group; group = group->next) {
    for (const zrt::ProjectItem* file = group->firstChild; file; file = file->next) {
      total += file->name.size() + file->overrides.size() + static_cast<size_t>(file->ro + file->rw + file->bss);
    }
  }
  return total == SIZE_MAX ? 1 : 0;
}
