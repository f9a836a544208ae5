// Fixities from *BOUNDARY lines, loads from *CLOAD lines, and the merge of loads.
#include "conditions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "error.h"
#include "mesh_reader.h"

namespace abazenta {
namespace {

// A model with nodes 5, 6 and 7 (dense indexes 0, 1, 2).
AbaqusModel three_nodes() {
    AbaqusModel model;
    for (const char* line : {"5 0 0\n", "6 1 0\n", "7 0 1\n"}) read_node(model, line);
    return model;
}

TEST(ReadBoundary, CombinesDirectionsIntoFixityCodes) {
    AbaqusModel model = three_nodes();
    std::ostringstream warnings;
    read_boundary(model, "5  1  0.\n", warnings);
    read_boundary(model, "5  2  0.\n", warnings);
    read_boundary(model, "6  2  0\n", warnings);
    read_boundary(model, "7  1\n", warnings);  // a missing value reads as 0
    read_boundary(model, "7  1  0.\n", warnings);
    EXPECT_EQ(model.fixity, (std::vector<unsigned char>{3, 2, 1}));
    EXPECT_EQ(warnings.str(), "");
}

TEST(ReadBoundary, IgnoresOtherDirectionsSilentlyAndNonZeroValuesWithAWarning) {
    AbaqusModel model = three_nodes();
    std::ostringstream warnings;
    read_boundary(model, "5  6  0.\n", warnings);
    read_boundary(model, "5  0  0.\n", warnings);
    read_boundary(model, "5  ENCASTRE\n", warnings);
    EXPECT_EQ(warnings.str(), "");
    read_boundary(model, "6  1  2\n", warnings);  // first and last direction: read as value 2
    read_boundary(model, "6  2  -0.5\n", warnings);
    EXPECT_EQ(model.fixity, (std::vector<unsigned char>{0, 0, 0}));
    EXPECT_EQ(warnings.str(),
              "cannot handle non zero displacements, ignoring"
              "cannot handle non zero displacements, ignoring");
}

TEST(ReadBoundary, IgnoresUndefinedNodesNodeSetsAndEmptyLines) {
    AbaqusModel model = three_nodes();
    std::ostringstream warnings;
    read_boundary(model, "99  1  0.\n", warnings);
    read_boundary(model, "-5  2  0.\n", warnings);
    read_boundary(model, "LEFT  1  0.\n", warnings);
    read_boundary(model, "Bottom-Edge\r\n", warnings);
    read_boundary(model, "\n", warnings);
    read_boundary(model, " \t\r\n", warnings);
    EXPECT_EQ(model.fixity, (std::vector<unsigned char>{0, 0, 0}));
    EXPECT_EQ(warnings.str(),
              "Boundary condition on undefined node 99 ignored\n"
              "Boundary condition on undefined node -5 ignored\n"
              "Node set LEFT not supported, line ignored\n"
              "Node set Bottom-Edge not supported, line ignored\n");
}

TEST(ReadCload, StoresOneRecordPerLineWithItsComponent) {
    AbaqusModel model = three_nodes();
    std::ostringstream warnings;
    read_cload(model, "7  1  10.\n", warnings);
    read_cload(model, "5  2  -2.5e1\n", warnings);
    read_cload(model, "7  2\n", warnings);  // a missing value reads as 0
    ASSERT_EQ(model.num_loads, 3);
    ASSERT_EQ(model.loads.size(), 3u);
    EXPECT_EQ(model.loads[0].node, 2);
    EXPECT_EQ(model.loads[0].load_case, 1);
    EXPECT_EQ(model.loads[0].fx, 10.0);
    EXPECT_EQ(model.loads[0].fy, 0.0);
    EXPECT_EQ(model.loads[1].node, 0);
    EXPECT_EQ(model.loads[1].fx, 0.0);
    EXPECT_EQ(model.loads[1].fy, -25.0);
    EXPECT_EQ(model.loads[2].fy, 0.0);
    EXPECT_EQ(warnings.str(), "");
}

TEST(ReadCload, IgnoresUndefinedNodesNodeSetsAndEmptyLines) {
    AbaqusModel model = three_nodes();
    std::ostringstream warnings;
    read_cload(model, "8  1  10.\n", warnings);
    read_cload(model, "TIP  2  -1.\n", warnings);
    read_cload(model, "\n", warnings);
    read_cload(model, "9  2  1.\n", warnings);
    EXPECT_EQ(model.num_loads, 0);
    EXPECT_TRUE(model.loads.empty());
    EXPECT_EQ(warnings.str(),
              "Load on undefined node 8 ignored\n"
              "Node set TIP not supported, line ignored\n"
              "Load on undefined node 9 ignored\n");
}

TEST(ReadCload, StopsOnAnyDirectionButOneOrTwo) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"5  3  1.\n", "Unrecognized Nodal Force direction : 3\n5  3  1.\n\n"},
        {"5  1.0  1.\n", "Unrecognized Nodal Force direction : 1.0\n5  1.0  1.\n\n"},
        {"5  X  1.\r\n", "Unrecognized Nodal Force direction : X\n5  X  1.\r\n\n"},
        {"5\n", "Unrecognized Nodal Force direction : \n5\n\n"},
        {"5  0", "Unrecognized Nodal Force direction : 0\n5  0\n"},
        // The direction is tested before the node: an undefined node stops the run too.
        {"42  -1  1.\n", "Unrecognized Nodal Force direction : -1\n42  -1  1.\n\n"},
    };
    for (const Case& c : cases) {
        AbaqusModel model = three_nodes();
        std::ostringstream warnings;
        try {
            read_cload(model, c.line, warnings);
            ADD_FAILURE() << "no error for " << c.line;
        } catch (const TranslationError& error) {
            EXPECT_EQ(error.what(), std::string(c.message));
            EXPECT_EQ(error.status(), 1);
        }
        EXPECT_EQ(warnings.str(), "");
    }
}

LoadRecord load(int node, double fx, double fy) {
    return LoadRecord{node, 1, fx, fy};
}

TEST(MergeLoads, SumsLoadsOfOneNodeIntoItsFirstRecordInListOrder) {
    const std::vector<LoadRecord> merged =
        merge_loads({load(4, 10, 0), load(2, 0, 1), load(4, 5, 0), load(4, 0, 3), load(0, 7, 0),
                     load(2, 0, 1)});
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_EQ(merged[0].node, 4);
    EXPECT_EQ(merged[0].fx, 15.0);
    EXPECT_EQ(merged[0].fy, 3.0);
    EXPECT_EQ(merged[1].node, 2);
    EXPECT_EQ(merged[1].fy, 2.0);
    EXPECT_EQ(merged[2].node, 0);
    EXPECT_EQ(merged[2].fx, 7.0);
    EXPECT_TRUE(merge_loads({}).empty());
}

TEST(MergeLoads, KeepsLoadCasesApartAndAddsInTheOrderOfTheList) {
    std::vector<LoadRecord> loads = {load(1, 1, 0), load(1, 1e16, 0), load(1, -1e16, 0)};
    loads.push_back(LoadRecord{1, 2, 4, 0});
    const std::vector<LoadRecord> merged = merge_loads(loads);
    ASSERT_EQ(merged.size(), 2u);
    EXPECT_EQ(merged[0].fx, 0.0);  // (1 + 1e16) - 1e16; the other order would give 1
    EXPECT_EQ(merged[1].load_case, 2);
    EXPECT_EQ(merged[1].fx, 4.0);
}

}  // namespace
}  // namespace abazenta
