// The fixities and prescribed displacements in force at the end of the last step.
#pragma once

#include <vector>

#include "deck_model.h"
#include "legacy_model.h"
#include "placed_mesh.h"

namespace abazenta {

// One record per node that is fixed in force, in node order: each direction with the value
// of the last *BOUNDARY line in force that fixed it, times that line's amplitude.
std::vector<NodeFixity> fixities_in_force(const DeckModel& deck,
                                          const std::vector<PlacedMesh>& placed);

}  // namespace abazenta
