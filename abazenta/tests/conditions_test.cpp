// The fields of *BOUNDARY and *CLOAD lines, and the merge of loads.
#include "conditions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace abazenta {
namespace {

// What a *BOUNDARY line says: node or set, first and last direction, value, in the forms that
// ABAQUS writes and in the older "node, direction, value" form.
TEST(ParseBoundary, ReadsDirectionsAndValueInEveryForm) {
    constexpr unsigned char kX = kFixedX, kY = kFixedY, kXY = kFixedX | kFixedY;
    const struct {
        const char* line;
        const char* target;
        unsigned char directions;
        double value;
    } cases[] = {
        {"Set-1, 1, 2\n", "Set-1", kXY, 0.0},
        {"12, 1, 2\n", "12", kXY, 0.0},
        {"12, 1, 1\n", "12", kX, 0.0},
        {"5 1 2\n", "5", kXY, 0.0},  // a line without commas: blanks separate
        {"1,2,,0.5\n", "1", kY, 0.5},
        {"1, 1, 2, -0.25\n", "1", kXY, -0.25},
        {"5, 1, 0.\n", "5", kX, 0.0},  // "node, direction, value"
        {"5, 2, 1.0\n", "5", kY, 1.0},
        {"5, 2, 1.5e-3\n", "5", kY, 1.5e-3},
        {"5, 2\n", "5", kY, 0.0},
        {"5, 1, 6, 0.\n", "5", kXY, 0.0},  // directions beyond 2 are not in the plane
        {"5, 3, 6\n", "5", 0, 0.0},
        {"5, 2, 1\n", "5", 0, 0.0},     // last before first: no direction
        {"12, 2, 0\n", "12", kY, 0.0},  // a last direction of 0: the first alone
        {"12, 1, 0, 0.\n", "12", kX, 0.0},
        {"12, 1, 0, 0.5\n", "12", kX, 0.5},
        {"5, 6, 0.\n", "5", 0, 0.0},
        {"5\n", "5", 0, 0.0},
        {"Inst.Bottom, ENCASTRE\n", "Inst.Bottom", kXY, 0.0},
        {"S, pinned\n", "S", kXY, 0.0},
        {"S, ZASYMM\n", "S", kXY, 0.0},
        {"S, XSYMM\n", "S", kX, 0.0},
        {"S, YASYMM\n", "S", kX, 0.0},
        {"S, YSYMM\n", "S", kY, 0.0},
        {"S, XASYMM\n", "S", kY, 0.0},
        {"S, ZSYMM\n", "S", 0, 0.0},
        {"S, SYMM\n", "S", 0, 0.0},
    };
    for (const auto& c : cases) {
        const BoundaryLine line = parse_boundary(Fields(c.line));
        EXPECT_EQ(line.target, c.target) << c.line;
        EXPECT_EQ(line.directions, c.directions) << c.line;
        EXPECT_EQ(line.value, c.value) << c.line;
    }
}

TEST(ParseCload, ReadsTargetDirectionAndValue) {
    const struct {
        const char* line;
        const char* target;
        const char* direction_field;
        int direction;
        double value;
    } cases[] = {
        {"Tip, 2, -100.\n", "Tip", "2", 2, -100.0},
        {"8 1 2.5\n", "8", "1", 1, 2.5},
        {"8, 1.0, 2.5\n", "8", "1.0", 0, 2.5},
        {"8, X\n", "8", "X", 0, 0.0},
        {"8\n", "8", "", 0, 0.0},
    };
    for (const auto& c : cases) {
        const CloadLine line = parse_cload(Fields(c.line));
        EXPECT_EQ(line.target, c.target) << c.line;
        EXPECT_EQ(line.direction_field, c.direction_field) << c.line;
        EXPECT_EQ(line.direction, c.direction) << c.line;
        EXPECT_EQ(line.value, c.value) << c.line;
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
