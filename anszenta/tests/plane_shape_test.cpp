// Tests of the shapes and faces of plane elements for their distributed loads.
#include <gtest/gtest.h>

#include <array>

#include "plane_shape.h"

namespace {

using Four = std::array<int, 4>;

struct ShapeCase {
    const char* name;
    PositionNodes nodes;  // node table indices by archive position
    int numNodes;
    int cornerCount;
    Four corners, midsides;
};

TEST(PlaneShape, CornersAndMidsidesOfEveryStoredForm) {
    // Corners I=10, J=11, K=12, L=13; midside nodes M=20 (I-J), N=21 (J-K), O=22 (K-L), P=23.
    const ShapeCase cases[] = {
        {"four-node quadrilateral",
         {10, 11, 12, 13, -1, -1, -1, -1},
         4,
         4,
         {10, 11, 12, 13},
         {-1, -1, -1, -1}},
        {"eight-node with a dropped midside node",
         {10, 11, 12, 13, 20, -1, 22, 23},
         8,
         4,
         {10, 11, 12, 13},
         {20, -1, 22, 23}},
        {"collapsed I J K K",
         {10, 11, 12, 12, 20, 21, 12, 23},
         8,
         3,
         {12, 10, 11, -1},
         {23, 20, 21, -1}},
        {"collapsed I I K L",
         {10, 10, 12, 13, 10, 21, 22, 23},
         8,
         3,
         {10, 12, 13, -1},
         {21, 22, 23, -1}},
        {"collapsed four-node L I J K with L = I",
         {10, 11, 12, 10, -1, -1, -1, -1},
         4,
         3,
         {10, 11, 12, -1},
         {-1, -1, -1, -1}},
        {"six-node triangle",
         {10, 11, 12, 20, 21, 22, -1, -1},
         6,
         3,
         {10, 11, 12, -1},
         {20, 21, 22, -1}},
        {"a line", {10, 10, 12, 12, -1, -1, -1, -1}, 4, 0, {-1, -1, -1, -1}, {-1, -1, -1, -1}},
        {"a missing corner",
         {10, 11, 12, -1, -1, -1, -1, -1},
         3,
         0,
         {-1, -1, -1, -1},
         {-1, -1, -1, -1}},
    };
    for (const ShapeCase& c : cases) {
        PlaneShape shape = planeShapeOf(c.nodes, c.numNodes);
        EXPECT_EQ(shape.cornerCount, c.cornerCount) << c.name;
        EXPECT_EQ(shape.corners, c.corners) << c.name;
        EXPECT_EQ(shape.midsides, c.midsides) << c.name;
    }
}

struct FaceCase {
    const char* name;
    PositionNodes nodes;
    int numNodes;
    int face;
    bool exists;
    std::array<int, 3> nodesInOrder;  // first, midside, second
};

TEST(PlaneShape, FacesRunInTheElementsCirculation) {
    const PositionNodes quad = {10, 11, 12, 13, 20, 21, 22, 23};
    const PositionNodes triangle = {10, 11, 12, 20, 21, 22, -1, -1};
    const PositionNodes collapsed = {10, 11, 12, 12, 20, 21, 12, 23};
    const FaceCase cases[] = {
        {"J-I", quad, 8, 1, true, {10, 20, 11}},
        {"K-J", quad, 8, 2, true, {11, 21, 12}},
        {"L-K", quad, 8, 3, true, {12, 22, 13}},
        {"I-L", quad, 8, 4, true, {13, 23, 10}},
        {"no face 5", quad, 8, 5, false, {-1, -1, -1}},
        {"no face 0", quad, 8, 0, false, {-1, -1, -1}},
        {"four-node K-J", quad, 4, 2, true, {11, -1, 12}},
        {"triangle I-K", triangle, 6, 3, true, {12, 22, 10}},
        {"no triangle face 4", triangle, 6, 4, false, {-1, -1, -1}},
        {"collapsed face of no length", collapsed, 8, 3, true, {12, 12, 12}},
        {"collapsed I-L", collapsed, 8, 4, true, {12, 23, 10}},
    };
    for (const FaceCase& c : cases) {
        FaceNodes face;
        EXPECT_EQ(faceOf(c.nodes, c.numNodes, c.face, face), c.exists) << c.name;
        EXPECT_EQ((std::array<int, 3>{face.first, face.midside, face.second}), c.nodesInOrder)
            << c.name;
    }
}

}  // namespace
