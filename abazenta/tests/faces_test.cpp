// The faces S1 to S4 of plane elements by their node positions, and face labels.
#include "faces.h"

#include <gtest/gtest.h>

namespace abazenta {
namespace {

TEST(FaceNodes, FollowTheElementsNodeOrder) {
    using Positions = std::array<int, 3>;
    const struct {
        int node_count, label, count;
        Positions positions;
    } cases[] = {
        {3, 1, 2, {0, 1, 0}}, {3, 2, 2, {1, 2, 0}}, {3, 3, 2, {2, 0, 0}}, {3, 4, 0, {}},
        {6, 1, 3, {0, 3, 1}}, {6, 2, 3, {1, 4, 2}}, {6, 3, 3, {2, 5, 0}}, {6, 4, 0, {}},
        {4, 1, 2, {0, 1, 0}}, {4, 2, 2, {1, 2, 0}}, {4, 3, 2, {2, 3, 0}}, {4, 4, 2, {3, 0, 0}},
        {8, 1, 3, {0, 4, 1}}, {8, 2, 3, {1, 5, 2}}, {8, 3, 3, {2, 6, 3}}, {8, 4, 3, {3, 7, 0}},
        {8, 0, 0, {}},        {8, 5, 0, {}},        {5, 1, 0, {}},        {2, 1, 0, {}},
    };
    for (const auto& c : cases) {
        const FaceNodes face = face_nodes(c.node_count, c.label);
        EXPECT_EQ(face.count, c.count) << c.node_count << " S" << c.label;
        if (face.count > 0) {
            EXPECT_EQ(face.positions, c.positions) << c.node_count << " S" << c.label;
        }
    }
}

TEST(FaceLabel, ReadsS1ToS4InAnyCase) {
    EXPECT_EQ(face_label("S1"), 1);
    EXPECT_EQ(face_label("s4"), 4);
    for (const char* other : {"S0", "S5", "SPOS", "SNEG", "E1", "S", "", "S12", "P1"})
        EXPECT_EQ(face_label(other), 0) << other;
}

}  // namespace
}  // namespace abazenta
