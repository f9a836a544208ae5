// Table index of each ANSYS node number, the first node of a number winning. Archives number
// their nodes from 1 with few gaps, so the numbers up to a few times the node count are looked
// up in a plain table; any others (negative ones, or far beyond) in a hash map.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "node.h"

class NodeIndex {
  public:
    // Takes the nodes of `nodes` that it has not taken yet (the table only ever grows).
    void update(const std::vector<Node>& nodes) {
        if (taken_ != nodes.size()) take(nodes);
    }
    // Table index of the first node numbered `id`, or -1.
    int find(int id) const;

  private:
    void take(const std::vector<Node>& nodes);

    std::vector<int> dense_;  // by number, -1 for none
    std::unordered_map<int, int> sparse_;
    size_t taken_ = 0;
};
