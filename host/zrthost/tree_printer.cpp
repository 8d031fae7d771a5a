#include "host/zrthost/tree_printer.h"

#include "host/zrthost/json_text.h"
#include "host/nodes/node_tree.h"
#include "platform/code_page.h"

namespace zrt::zrthost {

using namespace hostnodes;
namespace {

void AppendText(const HostNode* node, int depth, std::string* out) {
  std::string indent(static_cast<size_t>(depth) * 2, ' ');
  const char* name = Value(node, "Name");
  *out += indent + NameOf(node) + (name ? " \"" + platform::AnsiToUtf8(name) + "\"" : "") + "\n";
  for (const auto& [key, value] : Attributes(node)) {
    if (key != "Name") *out += indent + "    " + platform::AnsiToUtf8(key) + " = " + platform::AnsiToUtf8(value) + "\n";
  }
  for (const HostNode* child = node->firstChild; child; child = child->nextSibling) AppendText(child, depth + 1, out);
}

void AppendJson(const HostNode* node, int depth, std::string* out) {
  std::string indent(static_cast<size_t>(depth) * 2, ' ');
  *out += indent + "{\"element\": " + JsonString(platform::AnsiToUtf8(NameOf(node))) + ", \"attributes\": {";
  bool first = true;
  for (const auto& [key, value] : Attributes(node)) {
    *out += (first ? "" : ", ") + JsonString(platform::AnsiToUtf8(key)) + ": " + JsonString(platform::AnsiToUtf8(value));
    first = false;
  }
  *out += "}, \"children\": [";
  for (const HostNode* child = node->firstChild; child; child = child->nextSibling) {
    *out += child == node->firstChild ? "\n" : ",\n";
    AppendJson(child, depth + 1, out);
  }
  *out += node->firstChild ? "\n" + indent + "]}" : "]}";
}

}  // namespace

std::string TreeAsText(const HostNode* root) {
  std::string out;
  AppendText(root, 0, &out);
  return out;
}

std::string TreeAsJson(const HostNode* root) {
  std::string out;
  AppendJson(root, 0, &out);
  return out + "\n";
}

}  // namespace zrt::zrthost
