// Tests of the stress mapping operations: mesh conversion for the MRP file, the stress listing
// reader and the MRP writer.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

#include "archive_test_support.h"
#include "model_builder.h"

namespace {

using Corners = std::array<int, 4>;

// Nodes 1 (0,0), 2 (1,0), 3 (1,1), 4 (0,1); element type reference 1 is ANSYS type 42, 2 an
// eight-node type that the MRP file does not take.
struct MappingModel {
    std::ostringstream console;
    Data dat{console, kAnsmrpRules};
    MappingModel() {
        addNode(dat, 1, 0, 0);
        addNode(dat, 2, 1, 0);
        addNode(dat, 3, 1, 1);
        addNode(dat, 4, 0, 1);
        addElemSet(dat, 1, 42);
        addElemSet(dat, 2, 77);
    }
    const Elem& convert(std::initializer_list<int> nodes, int type = 1, int numNodes = 4) {
        addElem(dat, 5, type, numNodes, nodes);
        dat.ConvertMRP();
        return dat.elems.back();
    }
};

Corners cornersOf(const Elem& e) {
    return {e.nodes[0], e.nodes[1], e.nodes[2], e.nodes[3]};
}

TEST(ConvertMRP, CounterClockwiseQuadrilateralKeepsItsOrder) {
    MappingModel m;
    const Elem& e = m.convert({1, 2, 3, 4});
    EXPECT_EQ(cornersOf(e), (Corners{1, 2, 3, 4}));
    EXPECT_EQ(e.type, 3);
    EXPECT_EQ(e.num_nodes, 4);
}

TEST(ConvertMRP, ClockwiseQuadrilateralIsReversed) {
    MappingModel m;
    EXPECT_EQ(cornersOf(m.convert({1, 4, 3, 2})), (Corners{1, 2, 3, 4}));
}

TEST(ConvertMRP, CollapsedQuadrilateralsBecomeTrianglesInBothOrientations) {
    MappingModel ccw;
    const Elem& a = ccw.convert({1, 2, 3, 3});
    EXPECT_EQ(a.num_nodes, 3);
    EXPECT_EQ(a.type, 2);
    EXPECT_EQ(cornersOf(a), (Corners{1, 2, 3, 3}));
    MappingModel cw;
    const Elem& b = cw.convert({1, 3, 2, 2});
    EXPECT_EQ(b.num_nodes, 3);
    EXPECT_EQ(b.type, 2);
    EXPECT_EQ((Corners{b.nodes[0], b.nodes[1], b.nodes[2], 0}), (Corners{1, 2, 3, 0}));
}

TEST(ConvertMRP, CollinearCornersKeepTheirOrder) {
    MappingModel m;
    addNode(m.dat, 9, 2, 0);  // 1, 2, 9 on one line
    EXPECT_EQ(cornersOf(m.convert({1, 2, 9, 4})), (Corners{1, 2, 9, 4}));
}

TEST(ConvertMRP, UnacceptedTypes) {
    MappingModel four;
    const Elem& kept = four.convert({1, 4, 3, 3}, 2);
    EXPECT_EQ(four.console.str(), "Ansys element type (2) might not translate\n");
    EXPECT_EQ(kept.type, 2);  // still oriented and collapsed
    EXPECT_EQ(kept.num_nodes, 3);
    MappingModel keptQuad;
    EXPECT_EQ(keptQuad.convert({1, 2, 3, 4}, 7).type, 7);
    // Other node counts, and four nodes off the plane z = 0, stop the run.
    MappingModel eight;
    addElem(eight.dat, 6, 2, 8, {1, 2, 3, 4, 1, 2, 3, 4});
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { eight.dat.ConvertMRP(); }),
              "Element 6 is of ANSYS type 77, which is not a plane element\n");
    EXPECT_EQ(eight.console.str(), "Ansys element type (2) might not translate\n");
    MappingModel shell;
    addElemSet(shell.dat, 3, 181);
    shell.dat.nodes[3].z = 0.5;
    addElem(shell.dat, 8, 3, 4, {1, 2, 3, 4});
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { shell.dat.ConvertMRP(); }),
              "Element 8 is of ANSYS type 181, which is not a plane element\n");
}

// The plane elements of today's releases: PLANE182 as PLANE42, PLANE82 and PLANE183 by their
// corners. Midside nodes 5 (0.5,0), 6 (1,0.5), 7 (0.5,1), 8 (0,0.5).
struct CornerCase {
    const char* name;
    int ansysType;
    int numNodes;
    std::vector<int> nodes;
    int code;     // MRP element code
    int corners;  // num_nodes written
    Corners written;
};

TEST(ConvertMRP, ElementsOfTodayByTheirCorners) {
    const CornerCase cases[] = {
        {"PLANE182", 182, 4, {1, 2, 3, 4}, 3, 4, {1, 2, 3, 4}},
        {"PLANE82", 82, 8, {1, 2, 3, 4, 5, 6, 7, 8}, 3, 4, {1, 2, 3, 4}},
        {"PLANE183 clockwise", 183, 8, {1, 4, 3, 2, 8, 7, 6, 5}, 3, 4, {1, 2, 3, 4}},
        {"PLANE183 collapsed", 183, 8, {1, 2, 3, 3, 5, 6, 3, 8}, 2, 3, {1, 2, 3, 3}},
        {"six-node triangle", 183, 6, {1, 2, 3, 5, 6, 8}, 2, 3, {1, 2, 3, 3}},
        {"six-node triangle clockwise", 183, 6, {1, 3, 2, 8, 6, 5}, 2, 3, {1, 2, 3, 3}},
    };
    for (const CornerCase& c : cases) {
        MappingModel m;
        const double midsides[4][2] = {{.5, 0}, {1, .5}, {.5, 1}, {0, .5}};
        for (int k = 0; k < 4; ++k) addNode(m.dat, 5 + k, midsides[k][0], midsides[k][1]);
        addElemSet(m.dat, 3, c.ansysType);
        Elem& elem = addElem(m.dat, 9, 3, c.numNodes, {});
        std::copy(c.nodes.begin(), c.nodes.end(), elem.nodes);
        m.dat.ConvertMRP();
        const Elem& e = m.dat.elems.back();
        EXPECT_EQ(e.type, c.code) << c.name;
        EXPECT_EQ(e.num_nodes, c.corners) << c.name;
        EXPECT_EQ(cornersOf(e), c.written) << c.name;
        EXPECT_EQ(m.console.str(), "") << c.name;
    }
}

TEST(ConvertMRP, CornerReferences) {
    MappingModel undefined;
    addElem(undefined.dat, 44, 1, 4, {1, 2, 3, 77});
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { undefined.dat.ConvertMRP(); }),
              "Element 44 uses undefined node 77\n");
    // A corner of 0 is no node: the area counts as 0 and the order stays.
    MappingModel cut;
    const Elem& e = cut.convert({1, 4, 0, 0});
    EXPECT_EQ(e.type, 2);
    EXPECT_EQ(cornersOf(e), (Corners{1, 4, 0, 0}));
    // A repeated node number means its first node: the clockwise copy of node 3 is not used.
    MappingModel repeated;
    addNode(repeated.dat, 3, -5, -5);
    EXPECT_EQ(cornersOf(repeated.convert({1, 2, 3, 4})), (Corners{1, 2, 3, 4}));
}

// ---- stress listing ----

std::vector<std::pair<int, double>> stressesOf(const std::string& listing) {
    std::ostringstream console;
    Data dat(console, kAnsmrpRules);
    dat.bcs.resize(3);  // a table from the summary is replaced
    std::istringstream in(listing);
    dat.readStress(in);
    std::vector<std::pair<int, double>> result;
    for (const BC& bc : dat.bcs) {
        EXPECT_EQ(bc.type, BC::kStress);
        EXPECT_EQ(bc.axis, 10);
        result.emplace_back(bc.node, bc.value);
    }
    return result;
}

using Stresses = std::vector<std::pair<int, double>>;
const char* kHeading =
    "    NODE     SX          SY          SZ          SXY         SYZ         SXZ\n";

TEST(ReadStress, RowsOfEveryPageInListingOrder) {
    std::string listing = std::string(" PRINT S\n\n") + kHeading +
                          "       1  0.1E+01  0.2E+01  0.3E+01  0.4E+01  0.5E+01  0.6E+01\n"
                          "      12  1 2 -0.1234E+05 4 5 6 trailing text\n"
                          "\n 1 page two\n" +
                          kHeading +
                          "       7  1 2 2.5 4 5 6 7\n"
                          " MINIMUM VALUES\n NODE     3   4   5   6   7   8\n";
    EXPECT_EQ(stressesOf(listing), (Stresses{{1, 3.0}, {12, -12340.0}, {7, 2.5}}));
}

TEST(ReadStress, ValuesAreSinglePrecision) {
    Stresses s = stressesOf(std::string(kHeading) + "       3  0 0 0.1 0 0 0\n");
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].second, static_cast<double>(0.1f));
}

TEST(ReadStress, WhatIsNoRowEndsTheBlock) {
    std::string listing = std::string(kHeading) +
                          "       1  1 2 3 4 5\n"                    // six values: ends the block
                          "       2  1 2 3 4 5 6\n"                  // not under a heading
                          + kHeading + "\n       3  1 2 3 4 5 6\n";  // blank line after heading
    EXPECT_TRUE(stressesOf(listing).empty());
}

TEST(ReadStress, HeadingDirectlyAfterTheLastRowIsNotRecognised) {
    std::string listing = std::string(kHeading) + "       1  1 2 3 4 5 6\n" + kHeading +
                          "       2  1 2 3 4 5 6\n\n" + kHeading + "       4  1 2 9 4 5 6\n";
    EXPECT_EQ(stressesOf(listing), (Stresses{{1, 3.0}, {4, 9.0}}));
}

TEST(ReadStress, HeadingWordsAreComparedWhole) {
    std::string listing =
        "    NODES    SX\n       1  1 2 3 4 5 6\n"
        "NODE SXY\n       2  1 2 3 4 5 6\n"
        "NODEXXXXXXXXXXXXXXXX SX\n       3  1 2 3 4 5 6\n"
        "node sx\n       4  1 2 3 4 5 6\n";
    EXPECT_TRUE(stressesOf(listing).empty());
    EXPECT_TRUE(stressesOf("").empty());
}

TEST(ReadStress, ANodeListedTwiceGivesTwoRecords) {
    std::string block = std::string(kHeading) + "       5  0 0 1 0 0 0\n\n";
    EXPECT_EQ(stressesOf(block + block + block), (Stresses{{5, 1.0}, {5, 1.0}, {5, 1.0}}));
}

// What the stress program says of a listing once it is read: a stop without stress rows
// (naming principal stresses when the listing holds them), a warning for rows of nodes that
// the archive does not have.
struct ListingCheckCase {
    const char* name;
    std::string listing;
    const char* stop;
    const char* console;
};

TEST(RequireStresses, ListingsWithoutStressesStopTheRun) {
    const ListingCheckCase cases[] = {
        {"component stresses", std::string(kHeading) + "       1  1 2 3 4 5 6\n", "<no stop>", ""},
        {"principal stresses",
         " PRINT S    NODAL SOLUTION PER NODE\n\n"
         "    NODE       S1          S2          S3          SINT        SEQV    \n"
         "       1   200.00      0.0000     -50.000      250.00      229.13    \n",
         "The listing holds principal stresses; list component stresses (PRNSOL,S,COMP)\n"
         "No nodal stresses found in run/plate.str\n",
         ""},
        {"reactions",
         " PRINT F    REACTION SOLUTIONS PER NODE\n\n    NODE       FX           FY\n"
         "       1  -500.00       0.0000\n",
         "No nodal stresses found in run/plate.str\n", ""},
        {"no headings", "       1  1 2 3 4 5 6\n", "No nodal stresses found in run/plate.str\n",
         ""},
        {"principal and component blocks",
         "  NODE S1 S2 S3 SINT SEQV\n 1 1 1 1 1 1\n\n" + std::string(kHeading) +
             "       2  1 2 3 4 5 6\n",
         "<no stop>", ""},
        {"rows of nodes not in the archive",
         std::string(kHeading) + "       1  1 2 3 4 5 6\n      77  1 2 3 4 5 6\n"
                                 "      78  1 2 3 4 5 6\n",
         "<no stop>", "2 listed rows name nodes that are not in the archive\n"},
    };
    for (const ListingCheckCase& c : cases) {
        MappingModel m;
        std::istringstream in(c.listing);
        m.dat.readStress(in);
        EXPECT_EQ(ArchiveFixture::stopMessage([&] { m.dat.requireStresses("run/plate.str"); }),
                  c.stop)
            << c.name;
        EXPECT_EQ(m.console.str(), c.console) << c.name;
    }
}

// ---- MRP writer ----

TEST(WriteMRP, ExactColumns) {
    MappingModel m;
    addNode(m.dat, 123456789, -1.5, 2.0);
    addElem(m.dat, 10, 3, 4, {1, 2, 3, 4});
    addElem(m.dat, 11, 2, 3, {1, 2, 3, 3});
    addElem(m.dat, 123456789, 7, 4, {4, 3, 2, 1});
    Elem& big = addElem(m.dat, 13, 3, 30, {1, 2, 3, 4, 5, 6, 7, 8});
    (void)big;
    addBC(m.dat, BC::kStress, 3, 10, 0.0);
    addBC(m.dat, BC::kStress, 123456789, 10, -2.5);
    addBC(m.dat, BC::kFixed, 3, 1, 7.0);  // not a stress: passed over
    std::ostringstream out;
    m.dat.writeMRP(out);
    EXPECT_EQ(out.str(),
              "%+ MRP file created from ANSYS input\n"
              "     4     5   1   0   0\n"
              "      10      1        1       2       3       4\n"
              "      11      3        1       2       3\n"
              "123456789     -1        4       3       2       1\n"
              "      13      1        1       2       3       4       5       6       7       8"
              "       0       0       0       0       0       0       0       0       0       0"
              "       0       0       0       0       0       0       0       0       0\n"
              "       1         0.000000e+00         0.000000e+00    0.0\n"
              "       2         1.000000e+00         0.000000e+00    0.0\n"
              "       3         1.000000e+00         1.000000e+00    0.0\n"
              "       4         0.000000e+00         1.000000e+00    0.0\n"
              "123456789        -1.500000e+00         2.000000e+00    0.0\n"
              "3        -0.000000e+00\n"
              "123456789         2.500000e+00\n");
}

}  // namespace
