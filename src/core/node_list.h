// An ordered list of host nodes with a membership test in constant time, and a count of
// removals, so that code that called the host can tell whether the list lost entries
// meanwhile. Its container-style members keep the names of the standard containers.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "src/core/abi.h"

namespace zrt {

class NodeList {
 public:
  using const_iterator = std::vector<HostNode*>::const_iterator;
  using iterator = const_iterator;
  using value_type = HostNode*;

  // Appends node (duplicates are kept).
  void push_back(HostNode* node);
  // Empties the list.
  void clear();
  // True when node is listed.
  bool Contains(const HostNode* node) const { return counts_.count(node) != 0; }
  // Takes every occurrence of node out of the list (order of the rest kept).
  void Remove(const HostNode* node);
  // Takes every listed node of nodes out of the list (order of the rest kept).
  void RemoveAll(const std::unordered_set<const HostNode*>& nodes);
  // Changes at every removal; equal values mean no entry was removed in between.
  uint64_t RemovalCount() const { return removals_; }

  const_iterator begin() const { return nodes_.begin(); }
  const_iterator end() const { return nodes_.end(); }
  size_t size() const { return nodes_.size(); }
  bool empty() const { return nodes_.empty(); }
  HostNode* operator[](size_t index) const { return nodes_[index]; }
  HostNode* front() const { return nodes_.front(); }
  HostNode* back() const { return nodes_.back(); }
  // The entries in order.
  const std::vector<HostNode*>& Nodes() const { return nodes_; }

 private:
  std::vector<HostNode*> nodes_;
  std::unordered_map<const HostNode*, int> counts_;
  uint64_t removals_ = 0;
};

// Compares the entries in order.
inline bool operator==(const NodeList& list, const std::vector<HostNode*>& nodes) { return list.Nodes() == nodes; }

}  // namespace zrt
