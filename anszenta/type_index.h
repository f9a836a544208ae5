// Answers "does some element type definition with this reference number have an ANSYS type
// of the list?" in constant time, for the element converters.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "elemset.h"

class AcceptedTypeIndex {
  public:
    AcceptedTypeIndex(const int* types, size_t count) : types_(types), count_(count) {}

    // 1 when a set with id `etype` has a listed ANSYS type, else 0. The index is rebuilt
    // when the table has changed size since the last question.
    int accepts(const std::vector<ElemSet>& elsets, int etype);

  private:
    const int* types_;
    size_t count_;
    std::unordered_map<int, bool> acceptedById_;
    size_t indexedSets_ = static_cast<size_t>(-1);
};
