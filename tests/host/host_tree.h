// The test host's own node code: nodes it builds with its own allocation path (new/delete)
// and its own dispatch table, in the shared layout, as a host compiled apart would.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "src/core/abi.h"

namespace zrt::testhost {

using AttributeList = std::vector<std::pair<std::string, std::string>>;

// A new parentless node named elementName.
HostNode* NewNode(const std::string& elementName);
// A new node appended to parent, with the attributes given in order.
HostNode* AddChild(HostNode* parent, const std::string& elementName, const AttributeList& attributes = {});
// Appends child as parent's last child.
void LinkChild(HostNode* parent, HostNode* child);
// Takes child out of its parent's children (it keeps its own subtree).
void UnlinkChild(HostNode* child);
// Takes a node out of its parent, if any, and destroys it (any maker's) through its
// dispatch table.
void DeleteNode(HostNode* node);

// Sets (or appends) an attribute.
void SetValue(HostNode* node, const std::string& name, const std::string& value);
// The attribute's value; null when absent.
const char* Value(const HostNode* node, const std::string& name);
// All attributes in list order.
AttributeList Attributes(const HostNode* node);
// Replaces all attributes of target with copies of source's, in source's order.
void CopyAttributes(HostNode* target, const HostNode* source);
// Deep copy made with the host's own node code.
HostNode* CopyTree(const HostNode* node);
// True when both subtrees have the same names, attributes and children.
bool SameTree(const HostNode* a, const HostNode* b);
// The element name.
std::string NameOf(const HostNode* node);
// Children in order.
std::vector<HostNode*> ChildrenOf(const HostNode* node);
// First child with the element name; null when none.
HostNode* ChildNamed(const HostNode* node, const std::string& elementName);

}  // namespace zrt::testhost
