// The consistent nodal forces of one distributed load on one element or one of its faces, by
// the element's node positions: the shapes in which the shared nodal forces take elements and
// faces, and the traction or body force of each load kind.
#pragma once

#include <array>

#include "deck_model.h"
#include "faces.h"
#include "nodal_forces.h"

namespace abazenta {

// The coordinates of an element's nodes in ABAQUS order (corners, then midsides), and forces
// on them in that order.
using NodeVectors = std::array<zenta::Vec2, kMaxElementNodes>;

// Forces on nodes of an element, each by its position in the element's node list, in the
// order in which they are applied.
struct ElementForces {
    int count = 0;
    std::array<int, kMaxElementNodes> positions{};
    std::array<zenta::Vec2, kMaxElementNodes> forces{};
};

// A face load (pressure, shear or traction of `magnitude`) on face `face` of an element of
// `node_count` nodes; the face's nodes in its order. The outside of the element lies to the
// right of the face's order when its corners run counter-clockwise (or enclose no area).
ElementForces face_load_forces(const NodeVectors& points, int node_count, const FaceNodes& face,
                               const zenta::Thickness& thickness, const DistributedLoad& load,
                               double magnitude);

// A body load of `force_density` (force per unit volume: the magnitude, or density times
// magnitude for gravity and centrifugal loads) on an element of 3, 4, 6 or 8 nodes; its nodes
// in their order. A centrifugal load turns about the symmetry axis of an `axisymmetric`
// element, about the load's axis parallel to z otherwise. Entry i is the force on node i.
NodeVectors body_load_forces(const NodeVectors& points, int node_count,
                             const zenta::Thickness& thickness, const DistributedLoad& load,
                             double force_density, bool axisymmetric);

}  // namespace abazenta
