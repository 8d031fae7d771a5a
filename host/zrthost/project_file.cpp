#include "host/zrthost/project_file.h"

#include <pugixml.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string_view>
#include <utility>

#include "host/zrthost/durable_file.h"
#include "host/zrthost/paths.h"
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

// Deeper nesting is refused: no project comes near it, and the tree's code is recursive.
constexpr int kMaxNesting = 1000;

// Builds the host tree of a parsed document, taking each text into the ANSI code page.
// ASCII text, nearly all of a project, is the same in both and is used where it lies. An
// element nested too deep, or whose name or value would not come back unchanged from the
// code page (a character it lacks, a malformed byte) and so be changed by the next save,
// refuses the whole tree.
class TreeBuilder {
 public:
  // The tree, or null with refused() and why() set.
  HostNode* Build(const pugi::xml_node& element, int depth = 0) {
    if (depth > kMaxNesting) return Refuse(element, "elements nested deeper than " + std::to_string(kMaxNesting) + " levels");
    std::string name, value;
    const char* failed = nullptr;
    HostNode* node = NewNode(Ansi(element.name(), &name, &failed));
    for (const pugi::xml_attribute& a : element.attributes()) {
      std::string_view attributeName = Ansi(a.name(), &name, &failed);
      SetValue(node, attributeName, Ansi(a.value(), &value, &failed));
    }
    if (failed != nullptr) {
      DeleteNode(node);
      return Refuse(element, "a name or value of this element holds a character the ANSI code page cannot hold");
    }
    for (const pugi::xml_node& child : element.children()) {
      if (child.type() != pugi::node_element) continue;
      HostNode* built = Build(child, depth + 1);
      if (built == nullptr) {
        DeleteNode(node);
        return nullptr;
      }
      LinkChild(node, built);
    }
    return node;
  }

  const pugi::xml_node& refused() const { return refused_; }
  const std::string& why() const { return why_; }

 private:
  // utf8 in the ANSI code page; *failed is set to utf8 when it would not come back unchanged.
  static std::string_view Ansi(const char* utf8, std::string* converted, const char** failed) {
    std::string_view text(utf8);
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return text;
    *converted = platform::Utf8ToAnsi(std::string(text));
    if (platform::AnsiToUtf8(*converted) != text) *failed = utf8;
    return *converted;
  }

  HostNode* Refuse(const pugi::xml_node& element, std::string why) {
    refused_ = element;
    why_ = std::move(why);
    return nullptr;
  }

  pugi::xml_node refused_;
  std::string why_;
};

void WriteTree(const HostNode* node, pugi::xml_node parent) {
  pugi::xml_node element = parent.append_child(platform::AnsiToUtf8(NameOf(node)).c_str());
  for (const auto& [name, value] : Attributes(node)) {
    element.append_attribute(platform::AnsiToUtf8(name).c_str()) = platform::AnsiToUtf8(value).c_str();
  }
  for (HostNode* child = node->firstChild; child; child = child->nextSibling) WriteTree(child, element);
}

// The file's bytes in one read; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string* content) {
  std::ifstream in(FsPath(path), std::ios::binary | std::ios::ate);
  std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
  if (size < 0) return false;
  content->resize(static_cast<size_t>(size));
  return static_cast<bool>(in.seekg(0).read(content->data(), size));
}

}  // namespace

HostNode* LoadProjectFile(const std::string& path, std::string* error) {
  std::string content;
  if (!ReadWholeFile(path, &content)) {
    *error = path + ": cannot open the project file";
    return nullptr;
  }
  return ParseProjectText(path, std::move(content), error);
}

HostNode* ParseProjectText(const std::string& path, std::string content, std::string* error) {
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
  TreeBuilder builder;
  HostNode* tree = builder.Build(root);
  if (tree == nullptr) *error = Located(path, content, builder.refused().offset_debug() - 1, builder.why());
  return tree;
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
