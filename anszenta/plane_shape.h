// The shape of a translated plane element as its distributed loads see it, from the nodes of
// its archive positions: corners I, J, K, L at positions 1 to 4 and the midside nodes of the
// sides I-J, J-K, K-L, L-I at 5 to 8 (a six-node triangle: corners I, J, K at 1 to 3, midside
// nodes of I-J, J-K, K-I at 4 to 6).
#pragma once

#include <array>

// Node table index of each archive position, -1 where the position holds no node.
using PositionNodes = std::array<int, 8>;

struct PlaneShape {
    int cornerCount = 0;  // 3 or 4; 0 when the element has no plane shape
    std::array<int, 4> corners{-1, -1, -1, -1};
    std::array<int, 4> midsides{-1, -1, -1, -1};  // of the side from corner k to k + 1, or -1
};

// The element's shape. An element stored with two equal neighbouring corners is the triangle of
// its three distinct corners, with the midside nodes of its sides; an element with a missing
// corner, or with more than one such pair, has none.
PlaneShape planeShapeOf(const PositionNodes& nodes, int numNodes);

// One face in the element's own circulation order: face 1 (listed J-I) runs from I to J.
struct FaceNodes {
    int first = -1;
    int midside = -1;  // -1 for a face without a midside node
    int second = -1;
};

// Face `face` of the element (quadrilaterals 1 = J-I, 2 = K-J, 3 = L-K, 4 = I-L; six-node
// triangles 1 = J-I, 2 = K-J, 3 = I-K). False when the element has no such face.
bool faceOf(const PositionNodes& nodes, int numNodes, int face, FaceNodes& result);
