// Shapes and faces of plane elements for their distributed loads.
#include "plane_shape.h"

namespace {

constexpr int kSixNodeTriangle = 6;

// Corners and sides of the element as the archive stores it: a six-node triangle, or a
// quadrilateral (collapsed ones included) whose midside nodes are the positions after the
// corners that its node count covers. No shape when a corner is missing.
PlaneShape storedShape(const PositionNodes& nodes, int numNodes) {
    PlaneShape shape;
    int count = numNodes == kSixNodeTriangle ? 3 : 4;
    for (int k = 0; k < count; ++k) {
        if (nodes[k] < 0) return PlaneShape();
        shape.corners[k] = nodes[k];
        if (count + k < numNodes) shape.midsides[k] = nodes[count + k];
    }
    shape.cornerCount = count;
    return shape;
}

}  // namespace

PlaneShape planeShapeOf(const PositionNodes& nodes, int numNodes) {
    PlaneShape stored = storedShape(nodes, numNodes);
    if (stored.cornerCount != 4) return stored;
    int collapsedSide = -1;
    for (int k = 0; k < 4; ++k) {
        if (stored.corners[k] != stored.corners[(k + 1) % 4]) continue;
        if (collapsedSide >= 0) return PlaneShape();  // a line or a point
        collapsedSide = k;
    }
    if (collapsedSide < 0) return stored;
    // The triangle begins after the side of no length and keeps the other three sides.
    PlaneShape triangle;
    triangle.cornerCount = 3;
    for (int k = 0; k < 3; ++k) {
        int side = (collapsedSide + 1 + k) % 4;
        triangle.corners[k] = stored.corners[side];
        triangle.midsides[k] = stored.midsides[side];
    }
    return triangle;
}

bool faceOf(const PositionNodes& nodes, int numNodes, int face, FaceNodes& result) {
    PlaneShape stored = storedShape(nodes, numNodes);
    if (stored.cornerCount == 0 || face < 1 || face > stored.cornerCount) return false;
    int side = face - 1;
    result.first = stored.corners[side];
    result.midside = stored.midsides[side];
    result.second = stored.corners[(side + 1) % stored.cornerCount];
    return true;
}
