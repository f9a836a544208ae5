// Answers "does some element type definition with this reference number have an ANSYS type
// of the list?" and "which ANSYS type does this reference number name?" in constant time, for
// the element converters.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "elemset.h"

class AcceptedTypeIndex {
  public:
    AcceptedTypeIndex(const int* types, size_t count) : types_(types), count_(count) {}

    // 1 when a set with id `etype` has a listed ANSYS type, else 0.
    int accepts(const std::vector<ElemSet>& elsets, int etype);

    // ANSYS type of the first set with id `etype`; 0 when no set has it.
    int ansysType(const std::vector<ElemSet>& elsets, int etype);

  private:
    struct Entry {
        bool accepted = false;  // some set of the number has a listed type
        int firstType = 0;      // ANSYS type of the first set of the number
    };

    // The entry of `etype`, or nullptr. The index is rebuilt when the table has changed size
    // since the last question.
    const Entry* find(const std::vector<ElemSet>& elsets, int etype);

    const int* types_;
    size_t count_;
    std::unordered_map<int, Entry> byId_;
    size_t indexedSets_ = static_cast<size_t>(-1);
};
