// Feeds arbitrary bytes to the conversion as a .uvproj file (and, after the first NUL
// byte, as the .uvopt beside it): the XML reader and the writer run into the test host's
// own nodes. No input may crash them or make them read or write out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/message_box.h"
#include "src/convert/project_conversion.h"
#include "src/core/interface_table.h"
#include "src/core/project_context.h"
#include "tests/core/fake_file_system.h"
#include "tests/host/host_tree.h"

namespace {

void ZRT_CDECL CommitAttributes(HostNode* target, HostNode* copy) { zrt::testhost::CopyAttributes(target, copy); }

HostNode* ZRT_CDECL CreateChild(HostNode* owner, const char* elementName, const char* name) {
  HostNode* node = zrt::testhost::AddChild(owner, elementName ? elementName : "");
  if (name != nullptr) zrt::testhost::SetValue(node, "Name", name);
  return node;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  size_t split = input.find('\0');
  zrt::testing::FakeFileSystem files;
  files.contents["C:\\p\\p.uvproj"] = input.substr(0, split);
  if (split != std::string::npos) files.contents["C:\\p\\p.uvopt"] = input.substr(split + 1);
  zrt::Context() = zrt::ProjectContext{};
  zrt::Context().fileSystem = &files;
  zrt::Interface().CommitNode = CommitAttributes;
  zrt::Interface().CreateChildNode = CreateChild;
  zrt::platform::SetMessageBoxHandler([](const std::string&, const std::string&, zrt::platform::MessageButtons,
                                         zrt::platform::MessageIcon) { return zrt::platform::MessageAnswer::kOk; });
  HostNode* project = zrt::testhost::NewNode("OrbweaveProject");
  zrt::ConvertProject(project, "C:\\p\\p.uvproj");
  zrt::testhost::DeleteNode(project);
  return 0;
}
