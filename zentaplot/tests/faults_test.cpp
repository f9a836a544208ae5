// Fault finding on small models: each fault kind counted, and the filler and the ANSYS
// translator's empty triangle slots ignored.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "caption.h"
#include "faults.h"
#include "model_reader.h"

namespace zentaplot {
namespace {

// A unit square of nodes 1..4 and node 5 at (2, 0.5) beside the elements given.
std::string Square(const std::string& elements, int count, const std::string& tail = "") {
    return "t\n5 " + std::to_string(count) + " 1 1\n1 5 0.3\n" + elements +
           "1 0 0\n2 1 0\n3 1 1\n4 0 1\n5 2 0.5\n" + tail;
}

TEST(FindFaults, CountsEachKindOfFaultOnce) {
    const struct {
        const char* name;
        std::string text;
        FaultCounts expected;  // inverted, unnamed slots, unused nodes, unnamed conditions
    } cases[] = {
        {"sound quad, filler midsides",
         Square("1 1 1 7 2 7 3 7 4 7\n5 1 2 0 5 0 3 0\n", 2),
         {0, 0, 0, 0}},
        {"clockwise quad", Square("1 1 1 0 4 0 3 0 2 0\n5 1 2 0 5 0 3 0\n", 2), {1, 0, 0, 0}},
        {"flat triangle (corners on a line)",
         Square("1 1 1 0 2 0 2 0\n2 1 3 0 4 0 5 0\n", 2),
         {1, 0, 0, 0}},
        {"triangle in eight slots, last two 0", Square("1 1 1 0 2 0 3 0 0 0\n", 1), {0, 0, 2, 0}},
        {"quad with a corner 0", Square("1 1 1 0 2 0 3 0 0 5\n", 1), {0, 1, 1, 0}},
        {"slots naming no node", Square("1 1 1 6 2 0 3 8 9 0\n", 1), {0, 3, 2, 0}},
        {"unused nodes", Square("1 1 1 0 2 0 3 0\n", 1), {0, 0, 2, 0}},
        {"conditions naming no node",
         Square("1 1 1 0 2 0 3 0 4 0\n", 1, "AFIXITY\n2\n1 1 0\n6 2 0\nALOADS\n1\n0 1 1 1\n"),
         {0, 0, 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        const FaultReport report = FindFaults(ReadModel(in, "m.inp"));
        EXPECT_EQ(FaultLine(report.counts), FaultLine(c.expected));
    }
}

TEST(FindFaults, MarksTheElementsAndNodesItCounts) {
    std::istringstream in(Square("1 1 1 0 4 0 3 0 2 0\n2 1 1 0 2 0 2 0\n3 1 1 0 2 0 6 0\n", 3));
    const FaultReport report = FindFaults(ReadModel(in, "m.inp"));
    ASSERT_EQ(report.layers.size(), 1u);
    const LayerFaults& layer = report.layers[0];
    EXPECT_EQ(layer.element_marks,
              (std::vector<std::uint8_t>{kClockwise, kZeroArea, kUnnamedSlot}));
    EXPECT_EQ(layer.node_unused, (std::vector<bool>{false, false, false, false, true}));
}

TEST(FaultLine, SaysEveryCountInWords) {
    EXPECT_EQ(FaultLine({1, 2, 3, 4}),
              "faults: 1 clockwise or zero-area elements, 2 slots naming no node, 3 unused "
              "nodes, 4 conditions naming no node");
}

}  // namespace
}  // namespace zentaplot
