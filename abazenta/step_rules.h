// Which loads and boundary conditions are in force at the end of the last step, as ABAQUS
// reads steps: a line replaces, for its keys, what earlier steps defined; lines of one step
// with the same key add up (or, for boundary conditions, the later wins); OP=NEW removes what
// earlier steps defined with its keyword, while what its own step defines stays.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "deck_model.h"

namespace abazenta {

// What one line does to one key: a node and direction, an element face and load kind, an
// element and body-load label. Keys of different keywords never meet.
struct Contribution {
    int line = 0;           // index into the history lines
    std::uint64_t key = 0;  // below 2^62
};

// For each contribution, given in line order: whether it is in force at the end.
std::vector<bool> in_force(const std::vector<Contribution>& contributions,
                           const std::vector<HistoryLine>& lines,
                           const std::array<int, kHistoryKeywords>& renewed_in);

}  // namespace abazenta
