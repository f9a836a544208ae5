// Node look-up by ANSYS number.
#include "node_index.h"

#include <algorithm>

namespace {

// The plain table covers the numbers up to this many times the node count (and a margin).
constexpr size_t kDenseFactor = 4;
constexpr size_t kDenseMargin = 1024;

}  // namespace

void NodeIndex::take(const std::vector<Node>& nodes) {
    if (taken_ == 0) {
        const size_t limit = kDenseFactor * nodes.size() + kDenseMargin;
        size_t largest = 0;
        for (const Node& node : nodes)
            if (node.id >= 0) largest = std::max(largest, static_cast<size_t>(node.id));
        dense_.assign(std::min(largest, limit) + 1, -1);
    }
    for (; taken_ < nodes.size(); ++taken_) {
        const int id = nodes[taken_].id;
        const int index = static_cast<int>(taken_);
        if (id >= 0 && static_cast<size_t>(id) < dense_.size()) {
            if (dense_[static_cast<size_t>(id)] < 0) dense_[static_cast<size_t>(id)] = index;
        } else {
            sparse_.emplace(id, index);
        }
    }
}

int NodeIndex::find(int id) const {
    if (id >= 0 && static_cast<size_t>(id) < dense_.size()) return dense_[static_cast<size_t>(id)];
    auto found = sparse_.find(id);
    return found == sparse_.end() ? -1 : found->second;
}
