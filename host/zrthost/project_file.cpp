#include "host/zrthost/project_file.h"

#include <pugixml.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "host/zrthost/durable_file.h"
#include "host/nodes/node_tree.h"
#include "platform/code_page.h"

namespace zrt::zrthost {

using namespace hostnodes;
namespace {

// Attribute values are kept as they are: no whitespace folding, so line ends survive.
constexpr unsigned kParseOptions = pugi::parse_default & ~pugi::parse_wconv_attribute;

std::string Located(const std::string& path, const std::string& content, ptrdiff_t offset, const std::string& why) {
  size_t end = std::min(static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)), content.size());
  size_t line = 1 + static_cast<size_t>(std::count(content.begin(), content.begin() + end, '\n'));
  size_t lineStart = content.rfind('\n', end == 0 ? 0 : end - 1);
  size_t column = (lineStart == std::string::npos || end == 0) ? end + 1 : end - lineStart;
  return path + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + why;
}

HostNode* BuildTree(const pugi::xml_node& element) {
  HostNode* node = NewNode(platform::Utf8ToAnsi(element.name()));
  for (const pugi::xml_attribute& a : element.attributes()) {
    SetValue(node, platform::Utf8ToAnsi(a.name()), platform::Utf8ToAnsi(a.value()));
  }
  for (const pugi::xml_node& child : element.children()) {
    if (child.type() == pugi::node_element) LinkChild(node, BuildTree(child));
  }
  return node;
}

void WriteTree(const HostNode* node, pugi::xml_node parent) {
  pugi::xml_node element = parent.append_child(platform::AnsiToUtf8(NameOf(node)).c_str());
  for (const auto& [name, value] : Attributes(node)) {
    element.append_attribute(platform::AnsiToUtf8(name).c_str()) = platform::AnsiToUtf8(value).c_str();
  }
  for (HostNode* child = node->firstChild; child; child = child->nextSibling) WriteTree(child, element);
}

}  // namespace

HostNode* LoadProjectFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = path + ": cannot open the project file";
    return nullptr;
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string content = buffer.str();
  pugi::xml_document document;
  pugi::xml_parse_result result = document.load_buffer(content.data(), content.size(), kParseOptions, pugi::encoding_utf8);
  if (!result) {
    *error = Located(path, content, result.offset, result.description());
    return nullptr;
  }
  pugi::xml_node root = document.document_element();
  if (std::string(root.name()) != kProjectElement) {
    *error = Located(path, content, root.offset_debug() - 1,
                     root ? "not a project file: the root element is <" + std::string(root.name()) + ">, not <" +
                                kProjectElement + ">"
                          : "not a project file: no root element");
    return nullptr;
  }
  return BuildTree(root);
}

std::string ProjectFileText(const HostNode* root) {
  pugi::xml_document document;
  WriteTree(root, document);
  std::ostringstream out;
  document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

bool SaveProjectFile(const std::string& path, const HostNode* root, std::string* error) {
  return ReplaceFileDurably(path, ProjectFileText(root), error);
}

}  // namespace zrt::zrthost
