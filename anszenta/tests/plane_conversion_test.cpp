// Tests of the conversion to the plane model: element node order and orientation, type test,
// Z conditions, force pairing and problem type.
#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "archive_test_support.h"
#include "model_builder.h"

namespace {

using Slots = std::array<int, 8>;

Slots slotsOf(const Elem& e) {
    Slots s;
    for (int k = 0; k < 8; ++k) s[k] = e.nodes[k];
    return s;
}

// Nodes numbered 10, 20, ... 80 (sequence numbers 1..8) on a unit square: corners 10 (0,0),
// 20 (1,0), 30 (1,1), 40 (0,1) and midsides 50 (0.5,0), 60 (1,0.5), 70 (0.5,1), 80 (0,0.5).
struct SquareModel : ArchiveFixture {
    SquareModel() {
        const double xy[8][2] = {{0, 0},  {1, 0},  {1, 1},  {0, 1},
                                 {.5, 0}, {1, .5}, {.5, 1}, {0, .5}};
        for (int k = 0; k < 8; ++k) addNode(dat, 10 * (k + 1), xy[k][0], xy[k][1]);
        addElemSet(dat, 1, 82);
    }
    Slots convert(int numNodes, std::initializer_list<int> nodes, int type = 1) {
        addElem(dat, 7, type, numNodes, nodes);
        dat.ConvertElements();
        return slotsOf(dat.elems.back());
    }
};

TEST(ConvertElements, QuadrilateralKeepsItsArchiveDirection) {
    SquareModel ccw;
    EXPECT_EQ(ccw.convert(8, {10, 20, 30, 40, 50, 60, 70, 80}), (Slots{1, 5, 2, 6, 3, 7, 4, 8}));
    SquareModel cw;
    EXPECT_EQ(cw.convert(8, {10, 40, 30, 20, 80, 70, 60, 50}), (Slots{1, 8, 4, 7, 3, 6, 2, 5}));
}

TEST(ConvertElements, CollapsedQuadrilateralsBecomeCounterClockwiseTriangles) {
    // I J K K M N K P with I=10 (0,0), J=20 (1,0), K=30 (1,1): counter-clockwise.
    SquareModel ccw;
    EXPECT_EQ(ccw.convert(8, {10, 20, 30, 30, 50, 60, 30, 80}), (Slots{1, 5, 2, 6, 3, 8, 0, 0}));
    // The same triangle given clockwise: I K' J J with midsides; written I P K N J M.
    SquareModel cw;
    EXPECT_EQ(cw.convert(8, {10, 30, 20, 20, 80, 60, 20, 50}), (Slots{1, 5, 2, 6, 3, 8, 0, 0}));
}

TEST(ConvertElements, CollinearFirstCornersAreNotReversed) {
    SquareModel f;
    // 10 (0,0), 50 (0.5,0), 20 (1,0) are collinear: area exactly 0.
    EXPECT_EQ(f.convert(8, {10, 50, 20, 30, 60, 70, 80, 40}), (Slots{1, 6, 5, 7, 2, 8, 3, 4}));
}

TEST(ConvertElements, SixNodeTriangles) {
    SquareModel ccw;
    EXPECT_EQ(ccw.convert(6, {10, 20, 30, 50, 60, 70}), (Slots{1, 5, 2, 6, 3, 7, 0, 0}));
    SquareModel cw;
    EXPECT_EQ(cw.convert(6, {10, 30, 20, 70, 60, 50}), (Slots{1, 5, 2, 6, 3, 7, 0, 0}));
}

TEST(ConvertElements, FourNodeElementsWriteZeroMidsides) {
    SquareModel quad;
    addElemSet(quad.dat, 2, 182);
    EXPECT_EQ(quad.convert(4, {10, 20, 30, 40, 99, 99, 99, 99}, 2),
              (Slots{1, 0, 2, 0, 3, 0, 4, 0}));
    SquareModel triangle;
    addElemSet(triangle.dat, 2, 182);
    EXPECT_EQ(triangle.convert(4, {10, 20, 30, 30}, 2), (Slots{1, 0, 2, 0, 3, 0, 0, 0}));
}

TEST(ConvertElements, DroppedMidsideNodeIsWrittenAsZero) {
    SquareModel f;
    EXPECT_EQ(f.convert(8, {10, 20, 30, 40, 0, 60, 0, 80}), (Slots{1, 0, 2, 6, 3, 0, 4, 8}));
}

TEST(ConvertElements, UndefinedNodeStopsTheRun) {
    SquareModel f;
    addElem(f.dat, 12, 1, 8, {10, 20, 30, 40, 50, 60, 70, 999});
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { f.dat.ConvertElements(); }),
              "Element 12 uses undefined node 999\n");
}

TEST(ConvertElements, RepeatedNodeNumberMeansItsFirstNode) {
    SquareModel f;
    addNode(f.dat, 30, 5.0, 5.0);  // a second node 30, sequence number 9
    EXPECT_EQ(f.convert(8, {10, 20, 30, 40, 50, 60, 70, 80}), (Slots{1, 5, 2, 6, 3, 7, 4, 8}));
}

// Elements of types the converter does not accept: plane ones of an unlisted type go on after
// the warning; the others stop the run with the element and its ANSYS type as the last line.
struct TypeCase {
    const char* name;
    int ansysType;  // of element set 2; 0: no set 2
    int numNodes;
    double z;  // of node 30
    const char* console;
    const char* stop;
};

TEST(ConvertElements, ElementsOfTypesNotAccepted) {
    const char* warning = "Ansys element type (2) might not translate\n";
    const TypeCase cases[] = {
        {"PLANE42 is accepted", 42, 4, 0.0, "", "<no stop>"},
        {"flat element of an unlisted type", 77, 8, 0.0, warning, "<no stop>"},
        {"flat element of no set", 0, 6, 0.0, warning, "<no stop>"},
        {"brick off the plane", 185, 8, 1.0, warning,
         "Element 7 is of ANSYS type 185, which is not a plane element\n"},
        {"shell with 4 nodes", 181, 4, 0.0, warning,
         "Element 7 is of ANSYS type 181, which is not a plane element\n"},
        {"20-node brick", 186, 20, 0.0, warning,
         "Element 7 is of ANSYS type 186, which is not a plane element\n"},
        {"no set, 4 nodes", 0, 4, 0.0, warning,
         "Element 7 is of ANSYS type 0, which is not a plane element\n"},
    };
    // ANSYS numbers an eight-node shell 93 today: accepted without a warning while it is flat.
    const char* shell93 = "Element 7 is of ANSYS type 93, which is not a plane element\n";
    const TypeCase shells[] = {
        {"flat type 93", 93, 8, 0.0, "", "<no stop>"},
        {"type 93 off the plane", 93, 8, 0.5, "", shell93},
        {"six-node type 93 off the plane", 93, 6, -1.0, "", shell93},
    };
    for (const TypeCase& c : shells) {
        SquareModel f;
        addElemSet(f.dat, 2, c.ansysType);
        f.dat.nodes[2].z = c.z;
        addElem(f.dat, 7, 2, c.numNodes, {10, 20, 30, 40, 50, 60, 70, 80});
        EXPECT_EQ(ArchiveFixture::stopMessage([&] { f.dat.ConvertElements(); }), c.stop) << c.name;
        EXPECT_EQ(f.console.str(), c.console) << c.name;
    }
    for (const TypeCase& c : cases) {
        SquareModel f;
        if (c.ansysType != 0) addElemSet(f.dat, 2, c.ansysType);
        f.dat.nodes[2].z = c.z;
        addElem(f.dat, 7, 2, c.numNodes, {10, 20, 30, 40, 50, 60, 70, 80});
        EXPECT_EQ(ArchiveFixture::stopMessage([&] { f.dat.ConvertElements(); }), c.stop) << c.name;
        EXPECT_EQ(f.console.str(), c.console) << c.name;
    }
    // The written slots of an accepted four-node element and a flat unlisted one.
    SquareModel plane42;
    addElemSet(plane42.dat, 2, 42);
    EXPECT_EQ(plane42.convert(4, {10, 20, 30, 40}, 2), (Slots{1, 0, 2, 0, 3, 0, 4, 0}));
    SquareModel unknown;
    EXPECT_EQ(unknown.convert(8, {10, 20, 30, 40, 50, 60, 70, 80}, 5),
              (Slots{1, 5, 2, 6, 3, 7, 4, 8}));
    EXPECT_EQ(unknown.dat.Valid2dElementType(1), 1);
    EXPECT_EQ(unknown.dat.Valid2dElementType(5), 0);
}

TEST(ConvertElements, EveryAcceptedTypeIsAccepted) {
    ArchiveFixture f;
    const int accepted[] = {2, 35, 42, 53, 74, 76, 78, 82, 83, 84, 88, 93, 182, 183};
    for (int k = 0; k < 14; ++k) addElemSet(f.dat, k + 1, accepted[k]);
    addElemSet(f.dat, 20, 185);
    addElemSet(f.dat, 20, 82);  // a second set of the same reference that is accepted
    addElemSet(f.dat, 21, 185);
    for (int k = 0; k < 14; ++k) EXPECT_EQ(f.dat.Valid2dElementType(k + 1), 1) << accepted[k];
    EXPECT_EQ(f.dat.Valid2dElementType(21), 0);
    EXPECT_EQ(f.dat.Valid2dElementType(20), 1);
    EXPECT_EQ(f.dat.Valid2dElementType(0), 0);
}

TEST(ConvertFixity, ZConditionsAreDroppedWithOneMessage) {
    ArchiveFixture f;
    addBC(f.dat, BC::kFixed, 1, 6, 0.0);
    addBC(f.dat, BC::kFixed, 1, 1, 0.0);
    addBC(f.dat, BC::kForce, 2, 6, 4.0);
    f.dat.ConvertFixity();
    EXPECT_EQ(f.dat.bcs[0].type, BC::kDropped);
    EXPECT_EQ(f.dat.bcs[1].type, BC::kFixed);
    EXPECT_EQ(f.dat.bcs[2].type, BC::kDropped);
    EXPECT_EQ(f.console.str(), "Aplied displacement in Z not translated\n");
    ArchiveFixture none;
    addBC(none.dat, BC::kFixed, 1, 2, 0.0);
    none.dat.ConvertFixity();
    EXPECT_EQ(none.console.str(), "");
}

TEST(ConvertForces, PairsXAndYForcesOfANode) {
    ArchiveFixture f;
    addBC(f.dat, BC::kForce, 5, 2, -3.0);  // 0: Y before its X
    addBC(f.dat, BC::kForce, 5, 1, 2.0);   // 1: absorbs 0 and 3
    addBC(f.dat, BC::kForce, 6, 1, 7.0);   // 2: lone X
    addBC(f.dat, BC::kForce, 5, 2, -4.0);  // 3: last Y of node 5 gives the component
    addBC(f.dat, BC::kForce, 5, 1, 9.0);   // 4: second X, no Y left
    addBC(f.dat, BC::kForce, 8, 2, 1.5);   // 5: lone Y
    addBC(f.dat, BC::kFixed, 5, 2, 0.0);   // 6: a fixity is no force
    f.dat.ConvertForces();
    const auto& b = f.dat.bcs;
    EXPECT_EQ(b[0].type, BC::kDropped);
    EXPECT_EQ(b[1].axis, 3);
    EXPECT_DOUBLE_EQ(b[1].values[0], 2.0);
    EXPECT_DOUBLE_EQ(b[1].values[1], -4.0);
    EXPECT_EQ(b[3].type, BC::kDropped);
    EXPECT_EQ(b[2].axis, 1);
    EXPECT_DOUBLE_EQ(b[2].values[0], 7.0);
    EXPECT_DOUBLE_EQ(b[2].values[1], 0.0);
    EXPECT_EQ(b[4].type, BC::kForce);
    EXPECT_EQ(b[4].axis, 1);
    EXPECT_DOUBLE_EQ(b[4].values[0], 9.0);
    EXPECT_DOUBLE_EQ(b[5].values[0], 0.0);
    EXPECT_DOUBLE_EQ(b[5].values[1], 1.5);
    EXPECT_EQ(b[6].type, BC::kFixed);
}

TEST(SetProblemType, FromKeyOptionThree) {
    const int expected[] = {1, 0, 2, 1};
    for (int option = 0; option < 4; ++option) {
        ArchiveFixture f;
        addElemSet(f.dat, 1, 82, option);
        addElem(f.dat, 1, 1, 8, {});
        f.dat.SetProblemType();
        EXPECT_EQ(f.dat.problem_type, expected[option]) << option;
    }
    ArchiveFixture lastDecides;
    addElemSet(lastDecides.dat, 1, 82, 1);
    addElemSet(lastDecides.dat, 2, 82, 2);
    addElemSet(lastDecides.dat, 3, 82, 7);  // unknown option: no effect
    lastDecides.dat.SetProblemType();
    EXPECT_EQ(lastDecides.dat.problem_type, 2);
    ArchiveFixture noSets;
    noSets.dat.SetProblemType();
    EXPECT_EQ(noSets.dat.problem_type, 1);
}

TEST(SetProblemType, MoreDistinctTypesThanSetsStops) {
    ArchiveFixture f;
    addElemSet(f.dat, 1, 42);
    addElemSet(f.dat, 2, 82);
    for (int k = 0; k < 5; ++k) {
        addElem(f.dat, 2 * k + 1, 1, 4, {});
        addElem(f.dat, 2 * k + 2, 2, 8, {});
    }
    f.dat.SetProblemType();  // two types, two sets, any number of elements: passes
    addElem(f.dat, 11, 9, 8, {});
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { f.dat.SetProblemType(); }),
              "Invalid element sets\n");
}

}  // namespace
