// The host side's node code, shared by zrthost and the test host: project tree nodes in
// the shared HostNode layout, built with the host's own allocation (new/delete) and
// dispatch table, as a host compiled apart from the plug-in would; texts on the shared heap.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "src/core/abi.h"

namespace zrt::hostnodes {

using AttributeList = std::vector<std::pair<std::string, std::string>>;

// A new parentless node named elementName.
HostNode* NewNode(std::string_view elementName);
// A new node appended as parent's last child, with the attributes given in order.
HostNode* AddChild(HostNode* parent, const std::string& elementName, const AttributeList& attributes = {});
// Appends child (parentless) as parent's last child.
void LinkChild(HostNode* parent, HostNode* child);
// Takes child out of its parent's children; it keeps its own subtree.
void UnlinkChild(HostNode* child);
// Takes a node out of its parent, if any, and destroys it (any maker's) through its
// dispatch table; null is ignored.
void DeleteNode(HostNode* node);

// Replaces the value of the first attribute called name, or appends a new attribute.
void SetValue(HostNode* node, std::string_view name, std::string_view value);
// The attribute's value; null when the node has no such attribute.
const char* Value(const HostNode* node, const std::string& name);
// The attribute's value; "" when absent.
std::string ValueOr(const HostNode* node, const std::string& name);
// All attributes in list order.
AttributeList Attributes(const HostNode* node);
// Replaces all attributes of target with copies of source's, in source's order.
void CopyAttributes(HostNode* target, const HostNode* source);
// Deep copy made with the host's node code.
HostNode* CopyTree(const HostNode* node);
// What a host's CommitNode does with a changed copy: target takes over copy's attributes,
// and, when its children differ from copy's, copies of copy's children replace them.
void TakeOverCopy(HostNode* target, const HostNode* copy);
// True when both subtrees have the same names, attributes and children.
bool SameTree(const HostNode* a, const HostNode* b);
// The element name.
std::string NameOf(const HostNode* node);
// Children in order.
std::vector<HostNode*> ChildrenOf(const HostNode* node);
// First child with the element name; null when none.
HostNode* ChildNamed(const HostNode* node, const std::string& elementName);
// First child with the element name whose "Name" attribute is name; null when none.
HostNode* ChildNamed(const HostNode* node, const std::string& elementName, const std::string& name);

}  // namespace zrt::hostnodes
