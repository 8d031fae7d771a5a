#include "tests/host/host_tree.h"

#include <cstring>

#include "platform/heap.h"

namespace zrt::testhost {
namespace {

void SetText(NodeText* text, const std::string& value) {
  platform::SharedHeapFree(text->data);
  *text = NodeText{};
  if (value.empty()) return;
  text->data = static_cast<char*>(platform::SharedHeapAllocate(value.size() + 1));
  std::memcpy(text->data, value.c_str(), value.size() + 1);
  text->capacity = static_cast<uint32_t>(value.size() + 1);
  text->length = static_cast<uint32_t>(value.size());
}

std::string TextValue(const NodeText& text) { return text.length ? std::string(text.data, text.length) : ""; }

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

void ZRT_THISCALL DestroyHostNode(HostNode* node, int freeMemory) {
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

const HostNodeDispatch kHostDispatch = {DestroyHostNode};

}  // namespace

HostNode* NewNode(const std::string& elementName) {
  auto* node = new HostNode{};
  node->dispatch = &kHostDispatch;
  node->attributes.next = node->attributes.previous = &node->attributes;
  SetText(&node->name, elementName);
  return node;
}

HostNode* AddChild(HostNode* parent, const std::string& elementName, const AttributeList& attributes) {
  HostNode* node = NewNode(elementName);
  for (const auto& [name, value] : attributes) SetValue(node, name, value);
  LinkChild(parent, node);
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

void SetValue(HostNode* node, const std::string& name, const std::string& value) {
  NodeAttribute* sentinel = &node->attributes;
  for (NodeAttribute* a = sentinel->next; a != sentinel; a = a->next) {
    if (TextValue(a->name) == name) {
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
    if (TextValue(a->name) == name) return a->value.length ? a->value.data : "";
  }
  return nullptr;
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
  for (HostNode* child : ChildrenOf(node)) LinkChild(copy, CopyTree(child));
  return copy;
}

bool SameTree(const HostNode* a, const HostNode* b) {
  if (NameOf(a) != NameOf(b) || Attributes(a) != Attributes(b)) return false;
  std::vector<HostNode*> ca = ChildrenOf(a), cb = ChildrenOf(b);
  if (ca.size() != cb.size()) return false;
  for (size_t i = 0; i < ca.size(); ++i) {
    if (!SameTree(ca[i], cb[i])) return false;
  }
  return true;
}

std::string NameOf(const HostNode* node) { return TextValue(node->name); }

std::vector<HostNode*> ChildrenOf(const HostNode* node) {
  std::vector<HostNode*> children;
  for (HostNode* c = node->firstChild; c; c = c->nextSibling) children.push_back(c);
  return children;
}

HostNode* ChildNamed(const HostNode* node, const std::string& elementName) {
  for (HostNode* c = node->firstChild; c; c = c->nextSibling) {
    if (NameOf(c) == elementName) return c;
  }
  return nullptr;
}

}  // namespace zrt::testhost
