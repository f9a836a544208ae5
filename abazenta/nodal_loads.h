// The loads in force at the end of the last step as nodal forces (with -full): *CLOAD lines
// and the consistent nodal forces of distributed loads, worked out on the placed instances and
// summed per node.
#pragma once

#include <cstddef>
#include <memory>
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

class LoadAssembly;

// The nodal loads, worked out in two parts for a caller that writes the mesh meanwhile. Making
// it takes every piece of memory the work needs (and throws std::bad_alloc for want of it);
// `finish`, called once, then allocates nothing and cannot fail, so that it may run on another
// thread without any risk of leaving an output half written. The sources must outlive it.
class PendingLoads {
  public:
    explicit PendingLoads(const LoadSources& sources);
    ~PendingLoads();
    PendingLoads(const PendingLoads&) = delete;
    PendingLoads& operator=(const PendingLoads&) = delete;

    NodalLoads finish();

  private:
    std::unique_ptr<LoadAssembly> assembly_;
};

}  // namespace abazenta
