// The meshes as they go into the output, and where their nodes and elements land there.
#pragma once

#include <cstddef>
#include <vector>

#include "deck_model.h"

namespace abazenta {

// One mesh as it goes into the output: the deck's own mesh, or an instance's copy of a part.
struct PlacedMesh {
    Mesh* mesh = nullptr;
    int part = -1;                         // -1 for the deck's own mesh
    const Placement* placement = nullptr;  // nullptr: as it is
    std::size_t first_node = 0;            // output index of its first node
    std::size_t first_element = 0;         // output index of its first element
};

// Output node index of a node of the deck's own mesh or of an instance; -1 when that mesh is
// not translated. With parts, the placed meshes are the instances in order.
inline int output_node(const NodeTarget& target, const std::vector<PlacedMesh>& placed,
                       bool has_parts) {
    if (target.instance == kOwnMesh) return has_parts ? -1 : target.node;
    const std::size_t first = placed[static_cast<std::size_t>(target.instance)].first_node;
    return static_cast<int>(first) + target.node;
}

}  // namespace abazenta
