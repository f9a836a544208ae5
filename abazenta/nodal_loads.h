// The loads in force at the end of the last step as nodal forces (with -full): *CLOAD lines
// and the consistent nodal forces of distributed loads, worked out on the placed instances and
// summed per node.
#pragma once

#include <cstddef>
#include <vector>

#include "deck_model.h"
#include "legacy_model.h"

namespace abazenta {

// One mesh as it goes into the output: the deck's own mesh, or an instance's copy of a part.
struct PlacedMesh {
    const Mesh* mesh = nullptr;
    int part = -1;                         // -1 for the deck's own mesh
    const Placement* placement = nullptr;  // nullptr: as it is
    std::size_t first_node = 0;            // output index of its first node
    std::size_t first_element = 0;         // output index of its first element
};

// Output node index of a node of the deck's own mesh or of an instance; -1 when that mesh is
// not translated. With parts, the placed meshes are the instances in order.
int output_node(const NodeTarget& target, const std::vector<PlacedMesh>& placed, bool has_parts);

// What the nodal forces are worked out from.
struct LoadSources {
    const DeckModel& deck;
    const std::vector<PlacedMesh>& placed;
    const LegacyModel& model;               // nodes, elements and material lines, placed
    const std::vector<int>& element_types;  // index into deck.element_types, by output element
    std::size_t section_lines;  // material lines of sections; elements of later ones have none
};

struct NodalLoads {
    // One record per loaded node, in the order in which nodes first receive a force when the
    // loads in force are applied in line order; a node that only distributed loads reach has
    // none when both its components are 0, after forces below 1e-12 of the largest are 0.
    std::vector<LoadRecord> records;
    int lines_not_written = 0;         // lines of which no node or element is written
    int elements_without_density = 0;  // under GRAV or CENTRIF in force, without density
};

NodalLoads nodal_loads(const LoadSources& sources);

}  // namespace abazenta
