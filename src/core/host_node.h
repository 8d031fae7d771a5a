// Operations on host project tree nodes. Every operation accepts a null node and then
// answers null, 0 or does nothing.
#pragma once

#include "src/core/abi.h"

namespace zrt {

// First child whose element name equals name; null when none or either name is empty.
HostNode* FindChild(const HostNode* node, const char* name);
// First following sibling of node with element name name; null when none.
HostNode* FindNextSibling(const HostNode* node, const char* name);
// The node's element name, "" when it has none.
const char* ElementName(const HostNode* node);
// True when the node's element name equals name (false for a null node unless name is "").
bool IsElement(const HostNode* node, const char* name);

// Value of the first attribute named name: its text, "" when empty, null when absent.
const char* GetAttribute(const HostNode* node, const char* name);
// As GetAttribute; *out receives the leading decimal number of the value (0 when absent).
const char* GetAttributeInt(const HostNode* node, const char* name, int* out);
// The leading decimal number of the attribute's value; 0 when absent.
int IntAttribute(const HostNode* node, const char* name);
// As GetAttribute; *out receives the value read as a double (0.0 when absent).
const char* GetAttributeDouble(const HostNode* node, const char* name, double* out);

// Replaces the first attribute named name, or appends one; a null value empties the text.
void SetAttribute(HostNode* node, const char* name, const char* value);
// SetAttribute with the value written as "%d".
void SetAttributeInt(HostNode* node, const char* name, int value);
// SetAttribute with the value written as "%f".
void SetAttributeDouble(HostNode* node, const char* name, double value);

// Makes child the last child of parent.
void AppendChild(HostNode* parent, HostNode* child);
// Deep copy of node (name, kind, attributes in order, cloned children) without a parent;
// null when memory runs out.
HostNode* CloneNode(const HostNode* node);
// Destroys a node through its own dispatch table, freeing its memory.
void DestroyNode(HostNode* node);
// Changes one attribute of a host node: clone, set, CommitNode, destroy the clone.
void UpdateNodeAttribute(HostNode* node, const char* name, const char* value);

}  // namespace zrt
