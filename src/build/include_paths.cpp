#include "src/build/include_paths.h"

#include <string>

#include "src/build/text_copy.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"
#include "src/core/tool_chain.h"

namespace zrt {
namespace {

constexpr size_t kNoList = std::string::npos;

// The ";"-separated list and the position of its next entry (kNoList: none).
struct IncludeList {
  std::string text;
  size_t position = kNoList;
};

IncludeList& List() {
  static IncludeList list;
  return list;
}

void AppendPart(std::string* list, const std::string& part) {
  if (part.empty()) return;
  if (!list->empty()) *list += ";";
  *list += part;
}

// false (the list unchanged) when there is no configuration or C/C++ section.
bool StartList() {
  const HostNode* section = FindChild(GetCurrentConfiguration(), "ZRT_CParam");
  if (section == nullptr) return false;
  const ProjectContext& context = Context();
  const char* inc = GetAttribute(section, "Inc");
  std::string text;
  AppendPart(&text, inc ? inc : "");
  AppendPart(&text, context.compilerIncludeDirectory);
  AppendPart(&text, context.cmsisIncludeDirectory);
  AppendPart(&text, context.deviceHeaderPath);
  AppendPart(&text, ExtraIncludeDirectories());
  List() = {text, text.empty() ? kNoList : 0};
  return true;
}

}  // namespace

int NextIncludePath(char* buffer, unsigned size, int first) {
  if (first != 0 && !StartList()) return 0;
  IncludeList& list = List();
  if (list.position == kNoList) return 0;
  size_t next = list.text.find(';', list.position);
  size_t end = next == std::string::npos ? list.text.size() : next;
  CopyText(list.text.substr(list.position, end - list.position), buffer, size);
  list.position = next == std::string::npos ? kNoList : next + 1;
  return 1;
}

}  // namespace zrt
