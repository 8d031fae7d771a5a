#include "src/core/node_list.h"

#include <algorithm>

namespace zrt {

void NodeList::push_back(HostNode* node) {
  nodes_.push_back(node);
  ++counts_[node];
}

void NodeList::clear() {
  if (!nodes_.empty()) ++removals_;
  nodes_.clear();
  counts_.clear();
}

void NodeList::Remove(const HostNode* node) {
  if (!Contains(node)) return;
  nodes_.erase(std::remove(nodes_.begin(), nodes_.end(), node), nodes_.end());
  counts_.erase(node);
  ++removals_;
}

void NodeList::RemoveAll(const std::unordered_set<const HostNode*>& nodes) {
  bool listed = false;
  for (const HostNode* node : nodes) listed = counts_.erase(node) != 0 || listed;
  if (!listed) return;
  auto removed = [&](const HostNode* node) { return nodes.count(node) != 0; };
  nodes_.erase(std::remove_if(nodes_.begin(), nodes_.end(), removed), nodes_.end());
  ++removals_;
}

}  // namespace zrt
