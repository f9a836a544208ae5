// The loads in force at the end of the last step as nodal forces (with -full): *CLOAD lines
// and the consistent nodal forces of distributed loads, worked out on the placed instances and
// summed per node.
#pragma once

#include <cstddef>
#include <vector>

#include "deck_model.h"
#include "legacy_model.h"
#include "placed_mesh.h"

namespace abazenta {

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
