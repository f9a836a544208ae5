// The consistent nodal forces of one distributed load on one element or one of its faces.
#include "element_loads.h"

#include <cmath>

namespace abazenta {

namespace {

// Where a shear direction has no part along the face (below this of its unit length), the
// point gets no force.
constexpr double kAlongFace = 1e-12;

// Entries of the shared element forces: corners 0 to 3, then the midsides of sides 1 to 4.
constexpr int kFirstMidsideEntry = 4;

int corner_count(int node_count) {
    return node_count == 3 || node_count == 6 ? 3 : 4;
}

bool is_quadratic(int node_count) {
    return node_count == 6 || node_count == 8;
}

zenta::Face face_shape(const NodeVectors& points, int node_count, const FaceNodes& face) {
    zenta::Face shape;
    shape.node_count = face.count;
    for (int k = 0; k < face.count; ++k)
        shape.nodes[static_cast<std::size_t>(k)] =
            points[static_cast<std::size_t>(face.positions[static_cast<std::size_t>(k)])];
    // The corners come first in the element's node list.
    shape.outward_right = zenta::TwiceSignedArea(points.data(), corner_count(node_count)) >= 0.0;
    return shape;
}

zenta::Element element_shape(const NodeVectors& points, int node_count) {
    zenta::Element shape;
    shape.corner_count = corner_count(node_count);
    for (int k = 0; k < shape.corner_count; ++k) {
        const std::size_t side = static_cast<std::size_t>(k);
        shape.corners[side] = points[side];
        shape.has_midside[side] = is_quadratic(node_count);
        if (shape.has_midside[side])
            shape.midsides[side] = points[static_cast<std::size_t>(shape.corner_count + k)];
    }
    return shape;
}

// The traction of a face load of `magnitude` at a point of the face.
zenta::Vec2 face_traction(const DistributedLoad& load, double magnitude,
                          const zenta::FacePoint& point) {
    if (load.kind == LoadKind::kTraction) return {magnitude * load.dx, magnitude * load.dy};
    const double along = load.dx * point.tangent.x + load.dy * point.tangent.y;
    if (std::fabs(along) < kAlongFace) return {0.0, 0.0};
    const double signed_magnitude = along > 0.0 ? magnitude : -magnitude;
    return {signed_magnitude * point.tangent.x, signed_magnitude * point.tangent.y};
}

}  // namespace

ElementForces face_load_forces(const NodeVectors& points, int node_count, const FaceNodes& face,
                               const zenta::Thickness& thickness, const DistributedLoad& load,
                               double magnitude) {
    const zenta::Face shape = face_shape(points, node_count, face);
    std::array<zenta::Vec2, 3> forces{};
    if (load.kind == LoadKind::kPressure) {
        forces = zenta::PressureForces(shape, thickness, {magnitude, magnitude, magnitude});
    } else {
        forces = zenta::FaceForces(shape, thickness, [&](const zenta::FacePoint& point) {
            return face_traction(load, magnitude, point);
        });
    }
    ElementForces result;
    result.count = face.count;
    for (std::size_t k = 0; k < static_cast<std::size_t>(face.count); ++k) {
        result.positions[k] = face.positions[k];
        result.forces[k] = forces[k];
    }
    return result;
}

NodeVectors body_load_forces(const NodeVectors& points, int node_count,
                             const zenta::Thickness& thickness, const DistributedLoad& load,
                             double force_density, bool axisymmetric) {
    const double c = force_density;
    // Every body load but a centrifugal one is the same everywhere.
    if (load.kind != LoadKind::kCentrifugal)
        return zenta::UniformBodyForcesByNode(points, node_count, thickness,
                                              {c * load.dx, c * load.dy});
    // One reference in the closure, so that the function object needs no memory of its own.
    const struct {
        const DistributedLoad& load;
        double density;
        bool axisymmetric;
    } body{load, force_density, axisymmetric};
    const std::array<zenta::Vec2, 8> forces = zenta::BodyForces(
        element_shape(points, node_count), thickness, [&body](zenta::Vec2 p) -> zenta::Vec2 {
            const double c = body.density;
            if (body.axisymmetric) return {c * p.x, 0.0};
            return {c * (p.x - body.load.x0), c * (p.y - body.load.y0)};
        });
    // The shared forces put the midsides at entries 4 to 7 whatever the number of corners.
    NodeVectors by_node{};
    const int corners = corner_count(node_count);
    for (int position = 0; position < node_count; ++position) {
        const int entry = position < corners ? position : kFirstMidsideEntry + position - corners;
        by_node[static_cast<std::size_t>(position)] = forces[static_cast<std::size_t>(entry)];
    }
    return by_node;
}

}  // namespace abazenta
