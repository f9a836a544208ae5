// Maps ABAQUS numbers (nodes, elements, element sets) to dense indexes 0, 1, 2, ...
#pragma once

#include <unordered_map>

namespace abazenta {

// Dense indexes are given out in the order in which numbers are first added; entries are
// never removed. Any int is a valid number, negative ones included.
class NumberMap {
  public:
    // The dense index of `number`, or -1 when it was never added.
    int find(int number) const;
    // The dense index of `number`; a new number gets the next index.
    int find_or_add(int number);
    // How many numbers have been added (the next index to give out).
    int count() const { return static_cast<int>(index_of_.size()); }

  private:
    std::unordered_map<int, int> index_of_;
};

}  // namespace abazenta
