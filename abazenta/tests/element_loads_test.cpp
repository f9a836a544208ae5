// The nodal forces of one load on one element or face: which side is outside, the direction
// of shears and tractions, body forces of each kind, in the element's node order.
#include "element_loads.h"

#include <gtest/gtest.h>

#include <cmath>

namespace abazenta {
namespace {

constexpr double kTight = 1e-12;
const double kPi = std::acos(-1.0);

// The unit square, counter-clockwise, or clockwise (corners 2 and 4 swapped).
NodeVectors square(bool clockwise) {
    NodeVectors points{};
    points[0] = {0.0, 0.0};
    points[1] = clockwise ? zenta::Vec2{0.0, 1.0} : zenta::Vec2{1.0, 0.0};
    points[2] = {1.0, 1.0};
    points[3] = clockwise ? zenta::Vec2{1.0, 0.0} : zenta::Vec2{0.0, 1.0};
    return points;
}

DistributedLoad load_of(LoadKind kind, double dx = 0.0, double dy = 0.0) {
    DistributedLoad load;
    load.kind = kind;
    load.dx = dx;
    load.dy = dy;
    return load;
}

void expect_forces(const ElementForces& forces, std::initializer_list<int> positions,
                   std::initializer_list<zenta::Vec2> expected, const char* name) {
    ASSERT_EQ(forces.count, static_cast<int>(positions.size())) << name;
    std::size_t k = 0;
    for (int position : positions) EXPECT_EQ(forces.positions[k++], position) << name;
    k = 0;
    for (const zenta::Vec2& f : expected) {
        EXPECT_NEAR(forces.forces[k].x, f.x, kTight) << name << " " << k;
        EXPECT_NEAR(forces.forces[k].y, f.y, kTight) << name << " " << k;
        ++k;
    }
}

// A pressure pushes into the element whichever way its corners run; a shear follows the face
// towards its direction, and is 0 where the direction crosses the face; a traction is as given.
TEST(FaceLoadForces, OutsideShearAndTractionFollowTheElement) {
    const zenta::Thickness unit = zenta::Thickness::Constant(1.0);
    const FaceNodes bottom_ccw = face_nodes(4, 1);  // (0, 0) to (1, 0)
    const FaceNodes bottom_cw = face_nodes(4, 4);   // (1, 0) to (0, 0)
    const NodeVectors ccw = square(false), cw = square(true);
    const DistributedLoad pressure = load_of(LoadKind::kPressure);
    expect_forces(face_load_forces(ccw, 4, bottom_ccw, unit, pressure, 2.0), {0, 1},
                  {{0.0, 1.0}, {0.0, 1.0}}, "counter-clockwise");
    expect_forces(face_load_forces(cw, 4, bottom_cw, unit, pressure, 2.0), {3, 0},
                  {{0.0, 1.0}, {0.0, 1.0}}, "clockwise");
    expect_forces(face_load_forces(ccw, 4, bottom_ccw, unit, pressure, -2.0), {0, 1},
                  {{0.0, -1.0}, {0.0, -1.0}}, "suction");
    const DistributedLoad backwards = load_of(LoadKind::kShear, -0.6, 0.8);
    expect_forces(face_load_forces(ccw, 4, bottom_ccw, unit, backwards, 3.0), {0, 1},
                  {{-1.5, 0.0}, {-1.5, 0.0}}, "shear against the face's order");
    expect_forces(face_load_forces(cw, 4, bottom_cw, unit, backwards, 3.0), {3, 0},
                  {{-1.5, 0.0}, {-1.5, 0.0}}, "shear along the face's order");
    const DistributedLoad across = load_of(LoadKind::kShear, 1e-13, 1.0);
    expect_forces(face_load_forces(ccw, 4, bottom_ccw, unit, across, 3.0), {0, 1},
                  {{0.0, 0.0}, {0.0, 0.0}}, "shear across the face");
    const DistributedLoad slanted = load_of(LoadKind::kTraction, 0.6, -0.8);
    expect_forces(
        face_load_forces(ccw, 4, bottom_ccw, zenta::Thickness::Constant(2.0), slanted, 5.0), {0, 1},
        {{3.0, -4.0}, {3.0, -4.0}}, "traction, thickness 2");
}

// The forces on the first `count` nodes, in node order; the rest must be 0.
void expect_forces(const NodeVectors& forces, int count,
                   std::initializer_list<zenta::Vec2> expected, const char* name) {
    ASSERT_EQ(static_cast<int>(expected.size()), count) << name;
    std::size_t k = 0;
    for (const zenta::Vec2& f : expected) {
        EXPECT_NEAR(forces[k].x, f.x, kTight) << name << " " << k;
        EXPECT_NEAR(forces[k].y, f.y, kTight) << name << " " << k;
        ++k;
    }
    for (; k < forces.size(); ++k) {
        EXPECT_EQ(forces[k].x, 0.0) << name << " " << k;
        EXPECT_EQ(forces[k].y, 0.0) << name << " " << k;
    }
}

// Body forces on every node of the element in its order, corners then midsides.
TEST(BodyLoadForces, GivesEachNodeItsShareInTheElementsOrder) {
    const zenta::Thickness unit = zenta::Thickness::Constant(1.0);
    const DistributedLoad along_x = load_of(LoadKind::kBody, 1.0, 0.0);
    expect_forces(body_load_forces(square(false), 4, unit, along_x, 8.0, false), 4,
                  {{2.0, 0.0}, {2.0, 0.0}, {2.0, 0.0}, {2.0, 0.0}}, "quadrilateral");
    NodeVectors triangle{};
    triangle[0] = {0.0, 0.0};
    triangle[1] = {2.0, 0.0};
    triangle[2] = {0.0, 2.0};
    triangle[3] = {1.0, 0.0};
    triangle[4] = {1.0, 1.0};
    triangle[5] = {0.0, 1.0};
    // A 6-node triangle: nothing on the corners, a third of the weight on each midside.
    const DistributedLoad down = load_of(LoadKind::kGravity, 0.0, -1.0);
    expect_forces(body_load_forces(triangle, 6, unit, down, 3.0, false), 6,
                  {{0, 0}, {0, 0}, {0, 0}, {0, -2}, {0, -2}, {0, -2}}, "triangle");
    // Centrifugal: about (x0, y0) in the plane, about the symmetry axis when axisymmetric. On
    // the unit square, 4 (x + 0.5, y - 0.5) gives node 1 4 (1/12 + 1/8, 1/12 - 1/8), and so on
    // (the integrals of N1 x and N1 y being 1/12, of N1 1/4).
    DistributedLoad spin = load_of(LoadKind::kCentrifugal);
    spin.x0 = -0.5;
    spin.y0 = 0.5;
    expect_forces(body_load_forces(square(false), 4, unit, spin, 4.0, false), 4,
                  {{5.0 / 6.0, -1.0 / 6.0},
                   {7.0 / 6.0, -1.0 / 6.0},
                   {7.0 / 6.0, 1.0 / 6.0},
                   {5.0 / 6.0, 1.0 / 6.0}},
                  "centrifugal, plane");
    const NodeVectors ring =
        body_load_forces(square(false), 4, zenta::Thickness::Axisymmetric(), spin, 4.0, true);
    double total_x = 0.0, total_y = 0.0;
    for (const zenta::Vec2& force : ring) {
        total_x += force.x;
        total_y += force.y;
    }
    EXPECT_NEAR(total_x, 4.0 * 2.0 * kPi / 3.0, kTight);  // 4 x integral of x 2 pi x dA
    EXPECT_EQ(total_y, 0.0);
}

}  // namespace
}  // namespace abazenta
