// Tests of the node look-up by ANSYS number.
#include "node_index.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<Node> nodesNumbered(std::initializer_list<int> ids) {
    std::vector<Node> nodes;
    for (int id : ids) {
        Node node;
        node.id = id;
        nodes.push_back(node);
    }
    return nodes;
}

// Dense numbers, numbers far beyond the node count, negative numbers and 0: each finds the
// first node of its number, and a number no node has finds none.
TEST(NodeIndex, FirstNodeOfEachNumber) {
    const std::vector<Node> nodes =
        nodesNumbered({3, 1, 2, 3, INT_MAX, -4, 0, 1000000, -4, INT_MAX, 2000000000, 0});
    NodeIndex index;
    index.update(nodes);
    const std::pair<int, int> expected[] = {
        {3, 0},       {1, 1},           {2, 2},  {INT_MAX, 4}, {-4, 5},       {0, 6},
        {1000000, 7}, {2000000000, 10}, {4, -1}, {-1, -1},     {INT_MIN, -1}, {999999, -1},
    };
    for (const auto& [id, position] : expected) EXPECT_EQ(index.find(id), position) << id;
}

// Nodes appended after the first look-up are found too, within and beyond the numbers the
// index first saw; an earlier node keeps its number.
TEST(NodeIndex, NodesAddedLaterAreFound) {
    std::vector<Node> nodes = nodesNumbered({1, 2, 3});
    NodeIndex index;
    EXPECT_EQ(index.find(2), -1);
    index.update(nodes);
    EXPECT_EQ(index.find(2), 1);
    for (int id : {4, 2, 50000, -7}) nodes.push_back(nodesNumbered({id})[0]);
    index.update(nodes);
    EXPECT_EQ(index.find(4), 3);
    EXPECT_EQ(index.find(2), 1);
    EXPECT_EQ(index.find(50000), 5);
    EXPECT_EQ(index.find(-7), 6);
}

}  // namespace
