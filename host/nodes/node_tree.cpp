#include "host/nodes/node_tree.h"

#include <cstring>

#include "platform/heap.h"

namespace zrt::hostnodes {
namespace {

void SetText(NodeText* text, std::string_view value) {
  platform::SharedHeapFree(text->data);
  *text = NodeText{};
  if (value.empty()) return;
  text->data = static_cast<char*>(platform::SharedHeapAllocate(value.size() + 1));
  std::memcpy(text->data, value.data(), value.size());
  text->data[value.size()] = '\0';
  text->capacity = static_cast<uint32_t>(value.size() + 1);
  text->length = static_cast<uint32_t>(value.size());
}

std::string TextValue(const NodeText& text) { return text.length ? std::string(text.data, text.length) : ""; }

bool TextEquals(const NodeText& text, std::string_view value) {
  return text.length == value.size() && (value.empty() || std::memcmp(text.data, value.data(), value.size()) == 0);
}

void ClearAttributes(HostNode* node) {
  NodeAttribute* sentinel = &node->attributes;
  for (NodeAttribute* a = sentinel->next; a != sentinel;) {
    NodeAttribute* next = a->next;
    SetText(&a->name, "");
    SetText(&a->value, "");
    delete a;
    a = next;
  }
  sentinel->next = sentinel->previous = sentinel;
}

void ZRT_THISCALL DestroyNode(HostNode* node, int freeMemory) {
  ClearAttributes(node);
  for (HostNode* child = node->firstChild; child;) {
    HostNode* next = child->nextSibling;
    child->dispatch->Destroy(child, 1);
    child = next;
  }
  node->firstChild = node->lastChild = nullptr;
  SetText(&node->name, "");
  if (freeMemory) delete node;
}

const HostNodeDispatch kDispatch = {DestroyNode};

}  // namespace

HostNode* NewNode(std::string_view elementName) {
  auto* node = new HostNode{};
  node->dispatch = &kDispatch;
  node->attributes.next = node->attributes.previous = &node->attributes;
  SetText(&node->name, elementName);
  return node;
}

HostNode* AddChild(HostNode* parent, const std::string& elementName, const AttributeList& attributes) {
  HostNode* node = NewNode(elementName);
  LinkChild(parent, node);
  for (const auto& [name, value] : attributes) SetValue(node, name, value);
  return node;
}

void LinkChild(HostNode* parent, HostNode* child) {
  child->parent = parent;
  child->previousSibling = parent->lastChild;
  child->nextSibling = nullptr;
  (parent->lastChild ? parent->lastChild->nextSibling : parent->firstChild) = child;
  parent->lastChild = child;
}

void UnlinkChild(HostNode* child) {
  HostNode* parent = child->parent;
  if (parent == nullptr) return;
  (child->previousSibling ? child->previousSibling->nextSibling : parent->firstChild) = child->nextSibling;
  (child->nextSibling ? child->nextSibling->previousSibling : parent->lastChild) = child->previousSibling;
  child->parent = child->previousSibling = child->nextSibling = nullptr;
}

void DeleteNode(HostNode* node) {
  if (node == nullptr) return;
  UnlinkChild(node);
  node->dispatch->Destroy(node, 1);
}

void SetValue(HostNode* node, std::string_view name, std::string_view value) {
  NodeAttribute* sentinel = &node->attributes;
  for (NodeAttribute* a = sentinel->next; a != sentinel; a = a->next) {
    if (TextEquals(a->name, name)) {
      SetText(&a->value, value);
      return;
    }
  }
  auto* a = new NodeAttribute{};
  SetText(&a->name, name);
  SetText(&a->value, value);
  a->previous = sentinel->previous;
  a->next = sentinel;
  sentinel->previous->next = a;
  sentinel->previous = a;
}

const char* Value(const HostNode* node, const std::string& name) {
  const NodeAttribute* sentinel = &node->attributes;
  for (const NodeAttribute* a = sentinel->next; a != sentinel; a = a->next) {
    if (TextEquals(a->name, name)) return a->value.length ? a->value.data : "";
  }
  return nullptr;
}

std::string ValueOr(const HostNode* node, const std::string& name) {
  const char* value = Value(node, name);
  return value ? value : "";
}

AttributeList Attributes(const HostNode* node) {
  AttributeList list;
  const NodeAttribute* sentinel = &node->attributes;
  for (const NodeAttribute* a = sentinel->next; a != sentinel; a = a->next) {
    list.emplace_back(TextValue(a->name), TextValue(a->value));
  }
  return list;
}

void CopyAttributes(HostNode* target, const HostNode* source) {
  ClearAttributes(target);
  for (const auto& [name, value] : Attributes(source)) SetValue(target, name, value);
}

HostNode* CopyTree(const HostNode* node) {
  HostNode* copy = NewNode(NameOf(node));
  copy->kind = node->kind;
  CopyAttributes(copy, node);
  for (HostNode* child = node->firstChild; child; child = child->nextSibling) LinkChild(copy, CopyTree(child));
  return copy;
}

void TakeOverCopy(HostNode* target, const HostNode* copy) {
  CopyAttributes(target, copy);
  const HostNode* a = target->firstChild;
  const HostNode* b = copy->firstChild;
  for (; a && b; a = a->nextSibling, b = b->nextSibling) {
    if (!SameTree(a, b)) break;
  }
  if (a == nullptr && b == nullptr) return;
  for (HostNode* child : ChildrenOf(target)) DeleteNode(child);
  for (const HostNode* child = copy->firstChild; child; child = child->nextSibling) LinkChild(target, CopyTree(child));
}

bool SameTree(const HostNode* a, const HostNode* b) {
  if (NameOf(a) != NameOf(b) || Attributes(a) != Attributes(b)) return false;
  const HostNode* ca = a->firstChild;
  const HostNode* cb = b->firstChild;
  for (; ca && cb; ca = ca->nextSibling, cb = cb->nextSibling) {
    if (!SameTree(ca, cb)) return false;
  }
  return ca == nullptr && cb == nullptr;
}

std::string NameOf(const HostNode* node) { return TextValue(node->name); }

std::vector<HostNode*> ChildrenOf(const HostNode* node) {
  std::vector<HostNode*> children;
  for (HostNode* c = node->firstChild; c; c = c->nextSibling) children.push_back(c);
  return children;
}

HostNode* ChildNamed(const HostNode* node, const std::string& elementName) {
  for (HostNode* c = node->firstChild; c; c = c->nextSibling) {
    if (TextEquals(c->name, elementName)) return c;
  }
  return nullptr;
}

HostNode* ChildNamed(const HostNode* node, const std::string& elementName, const std::string& name) {
  for (HostNode* c = node->firstChild; c; c = c->nextSibling) {
    const char* value = Value(c, "Name");
    if (TextEquals(c->name, elementName) && value && name == value) return c;
  }
  return nullptr;
}

}  // namespace zrt::hostnodes
