#include "src/core/host_node.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/heap.h"
#include "src/core/host_callbacks.h"
#include "src/core/node_text.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

NodeAttribute* FindAttribute(const HostNode* node, const char* name) {
  if (node == nullptr || name == nullptr) return nullptr;
  const std::string_view wanted(name);
  const NodeAttribute* sentinel = &node->attributes;
  for (NodeAttribute* a = sentinel->next; a != nullptr && a != sentinel; a = a->next) {
    if (TextEquals(a->name, wanted)) return a;
  }
  return nullptr;
}

void ZRT_THISCALL DestroyOwnNode(HostNode* node, int freeMemory);
const HostNodeDispatch kOwnDispatch = {DestroyOwnNode};

// A node of the plug-in's own making (clones): shared-heap memory, own dispatch table.
HostNode* NewOwnNode() {
  void* memory = platform::SharedHeapAllocate(sizeof(HostNode));
  if (memory == nullptr) return nullptr;
  std::memset(memory, 0, sizeof(HostNode));
  auto* node = static_cast<HostNode*>(memory);
  node->dispatch = &kOwnDispatch;
  node->attributes.previous = &node->attributes;
  node->attributes.next = &node->attributes;
  return node;
}

void ZRT_THISCALL DestroyOwnNode(HostNode* node, int freeMemory) {
  NodeAttribute* sentinel = &node->attributes;
  NodeAttribute* a = sentinel->next;
  while (a != nullptr && a != sentinel) {
    NodeAttribute* next = a->next;
    ClearText(&a->name);
    ClearText(&a->value);
    platform::SharedHeapFree(a);
    a = next;
  }
  sentinel->next = sentinel->previous = sentinel;
  HostNode* child = node->firstChild;
  while (child != nullptr) {
    HostNode* next = child->nextSibling;
    child->dispatch->Destroy(child, 1);
    child = next;
  }
  node->firstChild = node->lastChild = nullptr;
  ClearText(&node->name);
  if (freeMemory) platform::SharedHeapFree(node);
}

// Appends a new attribute at the end of the list; null when memory runs out.
NodeAttribute* AppendAttribute(HostNode* node, std::string_view name) {
  auto* a = static_cast<NodeAttribute*>(platform::SharedHeapAllocate(sizeof(NodeAttribute)));
  if (a == nullptr) return nullptr;
  std::memset(a, 0, sizeof *a);
  if (!AssignText(&a->name, name)) {
    platform::SharedHeapFree(a);
    return nullptr;
  }
  NodeAttribute* sentinel = &node->attributes;
  if (sentinel->next == nullptr) sentinel->next = sentinel->previous = sentinel;
  a->previous = sentinel->previous;
  a->next = sentinel;
  sentinel->previous->next = a;
  sentinel->previous = a;
  return a;
}

// Copies name, kind and attributes of node into copy; false when memory runs out.
bool CopyOwnFields(const HostNode* node, HostNode* copy) {
  copy->kind = node->kind;
  if (!AssignText(&copy->name, ViewOf(node->name))) return false;
  const NodeAttribute* sentinel = &node->attributes;
  for (const NodeAttribute* a = sentinel->next; a != nullptr && a != sentinel; a = a->next) {
    NodeAttribute* c = AppendAttribute(copy, ViewOf(a->name));
    if (c == nullptr || !AssignText(&c->value, ViewOf(a->value))) return false;
  }
  return true;
}

}  // namespace

HostNode* FindChild(const HostNode* node, const char* name) {
  if (node == nullptr || name == nullptr || *name == '\0') return nullptr;
  for (HostNode* c = node->firstChild; c != nullptr; c = c->nextSibling) {
    if (c->name.length != 0 && TextEquals(c->name, name)) return c;
  }
  return nullptr;
}

HostNode* FindNextSibling(const HostNode* node, const char* name) {
  if (node == nullptr || name == nullptr || *name == '\0') return nullptr;
  for (HostNode* s = node->nextSibling; s != nullptr; s = s->nextSibling) {
    if (s->name.length != 0 && TextEquals(s->name, name)) return s;
  }
  return nullptr;
}

const char* ElementName(const HostNode* node) { return node ? TextOf(node->name) : ""; }

// The lengths are compared first, so a node of another name is told apart without
// reading its text.
bool IsElement(const HostNode* node, const char* name) {
  return node != nullptr ? TextEquals(node->name, name) : *name == '\0';
}

const char* GetAttribute(const HostNode* node, const char* name) {
  NodeAttribute* a = FindAttribute(node, name);
  return a ? TextOf(a->value) : nullptr;
}

const char* GetAttributeInt(const HostNode* node, const char* name, int* out) {
  const char* value = GetAttribute(node, name);
  if (out) *out = value ? LeadingInt(value) : 0;
  return value;
}

int IntAttribute(const HostNode* node, const char* name) {
  int value = 0;
  GetAttributeInt(node, name, &value);
  return value;
}

const char* GetAttributeDouble(const HostNode* node, const char* name, double* out) {
  const char* value = GetAttribute(node, name);
  if (out) *out = value ? std::strtod(value, nullptr) : 0.0;
  return value;
}

void SetAttribute(HostNode* node, const char* name, const char* value) {
  if (node == nullptr || name == nullptr || *name == '\0') return;
  NodeAttribute* a = FindAttribute(node, name);
  if (a == nullptr) a = AppendAttribute(node, name);
  if (a != nullptr) AssignText(&a->value, value ? value : "");
}

void SetAttributeInt(HostNode* node, const char* name, int value) {
  // The "%d" form, without printf's cost: the file writers set four of these per file.
  char text[16];
  *std::to_chars(text, text + sizeof text - 1, value).ptr = '\0';
  SetAttribute(node, name, text);
}

void SetAttributeDouble(HostNode* node, const char* name, double value) {
  char text[400];  // "%f" of the largest double needs 316 characters
  std::snprintf(text, sizeof text, "%f", value);
  SetAttribute(node, name, text);
}

void AppendChild(HostNode* parent, HostNode* child) {
  if (parent == nullptr || child == nullptr) return;
  child->parent = parent;
  child->previousSibling = parent->lastChild;
  child->nextSibling = nullptr;
  if (parent->lastChild) parent->lastChild->nextSibling = child;
  parent->lastChild = child;
  if (parent->firstChild == nullptr) parent->firstChild = child;
}

HostNode* CloneNode(const HostNode* node) {
  if (node == nullptr) return nullptr;
  HostNode* copy = NewOwnNode();
  if (copy == nullptr) return nullptr;
  bool ok = CopyOwnFields(node, copy);
  for (const HostNode* c = node->firstChild; ok && c != nullptr; c = c->nextSibling) {
    HostNode* childCopy = CloneNode(c);
    ok = childCopy != nullptr;
    AppendChild(copy, childCopy);
  }
  if (!ok) {
    DestroyOwnNode(copy, 1);
    return nullptr;
  }
  return copy;
}

void DestroyNode(HostNode* node) {
  if (node != nullptr && node->dispatch != nullptr) node->dispatch->Destroy(node, 1);
}

void UpdateNodeAttribute(HostNode* node, const char* name, const char* value) {
  if (node == nullptr) return;
  HostNode* copy = CloneNode(node);
  if (copy == nullptr) return;
  SetAttribute(copy, name, value);
  host::CommitNode(node, copy);
  DestroyNode(copy);
}

}  // namespace zrt
