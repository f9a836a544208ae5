// Tests of the archive readers: line pieces, summary, element sets, nodes, elements,
// materials and boundary conditions.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "archive_test_support.h"
#include "line_reader.h"

namespace {

std::vector<std::string> pieces(const std::string& text) {
    std::istringstream in(text);
    LineReader reader(in);
    std::vector<std::string> result;
    std::string piece;
    while (reader.next(piece)) result.push_back(piece);
    return result;
}

TEST(LineReader, SplitsLongLinesInto254CharacterPieces) {
    std::string longLine(300, 'a');
    EXPECT_EQ(
        pieces(longLine + "\nb\n"),
        (std::vector<std::string>{std::string(254, 'a'), std::string(46, 'a') + "\n", "b\n"}));
    // A line of exactly 254 characters leaves its line feed for a piece of its own.
    EXPECT_EQ(pieces(std::string(254, 'c') + "\nd"),
              (std::vector<std::string>{std::string(254, 'c'), "\n", "d"}));
}

TEST(LineReader, KeepsEmptyLinesAndCarriageReturns) {
    EXPECT_EQ(pieces("\n\nx\r\n"), (std::vector<std::string>{"\n", "\n", "x\r\n"}));
    EXPECT_TRUE(pieces("").empty());
}

// Character-by-character reference of the piece rule: at most 254 characters, a piece ends
// after its line feed.
std::vector<std::string> referencePieces(const std::string& text) {
    std::vector<std::string> result;
    std::string piece;
    for (char c : text) {
        piece.push_back(c);
        if (c == '\n' || piece.size() == 254) {
            result.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) result.push_back(piece);
    return result;
}

TEST(LineReader, PiecesAcrossBufferBoundariesFollowTheRule) {
    // Lines of every length from 0 to 600, with NUL bytes and carriage returns, over several
    // hundred kilobytes: many lines straddle the reader's buffer boundaries.
    std::string text;
    for (int length = 0; length <= 600; ++length) {
        for (int k = 0; k < length; ++k)
            text.push_back(k % 97 == 5 ? '\0' : static_cast<char>('a' + k % 26));
        text += length % 7 == 0 ? "\r\n" : "\n";
    }
    text += "no line feed at the end";
    EXPECT_EQ(pieces(text), referencePieces(text));
}

TEST(LineReader, PositionsBeyondTheTextAreEmpty) {
    std::string piece = "NUMOFF,NODE";
    EXPECT_STREQ(fromPosition(piece, 12), "");
    EXPECT_STREQ(fromPosition(piece, 7), "NODE");
    std::string withNul("ET,\0,5", 6);
    EXPECT_STREQ(fromPosition(withNul, 5), "");
}

// ---- summary ----

struct Summary : ArchiveFixture {
    std::string run(const std::string& text) {
        return stopMessage([&] { read(&Data::readSummary, text); });
    }
};

TEST(ReadSummary, Release56CountsAndSizes) {
    Summary s;
    std::string archive =
        releaseLine("5.6") +
        "NUMOFF,NODE,       4\nNUMOFF,ELEM,       1\nNUMOFF,MAT,       2\n"
        "ET,       1,82\nET,       2,42\nD,     1,UX  ,  0.0\nF,     2,FY  ,  1.0\n"
        "DK,1,UX\n";
    EXPECT_EQ(s.run(archive), "<no stop>");
    EXPECT_EQ(s.console.str(),
              "ANSYS Version: 5.6\nNumber of nodes: 4\nNumber of elements: 1\n"
              "Number of materials: 2\nNumber of element sets: 2\n"
              "Number of nodal boundary conditions: 2\n");
    EXPECT_EQ(s.dat.maxNodes, 4);
    EXPECT_EQ(s.dat.maxElSets, 2);
    EXPECT_EQ(s.dat.maxBCs, 2);
}

TEST(ReadSummary, Release6IsReadAs56AfterTheWarning) {
    Summary s;
    EXPECT_EQ(s.run(releaseLine("6.1") + "NUMOFF,NODE,1\nNUMOFF,ELEM,1\n"), "<no stop>");
    EXPECT_EQ(s.console.str().substr(0, 50),
              "ANSYS Version: 6.1\nTranslator might need updating\n");
    EXPECT_EQ(s.dat.major, 5);
    EXPECT_EQ(s.dat.minor, 6);
}

TEST(ReadSummary, Release57WarnsAndGoesOn) {
    Summary s;
    EXPECT_EQ(s.run(releaseLine("5.7") + "NUMOFF,NODE,1\nNUMOFF,ELEM,1\n"), "<no stop>");
    EXPECT_EQ(s.console.str().substr(0, 50),
              "ANSYS Version: 5.7\nTranslator might need updating\n");
    EXPECT_EQ(s.dat.minor, 7);
}

TEST(ReadSummary, OldOrMissingReleaseStops) {
    // Only the digits 4, 5 and 6 are recognised: an older release reads as release 0.
    Summary old;
    EXPECT_EQ(old.run(releaseLine("3.2") + "NUMOFF,NODE,1\n"),
              "Cannot translate Ansys version 0\n");
    EXPECT_EQ(old.console.str(), "ANSYS Version: 0.2\n");
    Summary none;
    EXPECT_EQ(none.run("/PREP7\nNUMOFF,NODE,1\n"), "Cannot translate Ansys version 0\n");
    EXPECT_EQ(none.console.str(), "ANSYS Version: 0.0\n");
    // A release comment that is not the first line is not looked at.
    Summary later;
    EXPECT_EQ(later.run("/PREP7\n" + releaseLine("5.6")), "Cannot translate Ansys version 0\n");
    // A release line cut short before its digit.
    Summary shortLine;
    EXPECT_EQ(shortLine.run("/COM,ANSYS RELEASE"), "Cannot translate Ansys version 0\n");
}

TEST(ReadSummary, MaterialFigureDefaultsToTen) {
    for (const char* line : {"NUMOFF,MAT,       0\n", "NUMOFF,MAT,      -3\n", "NUMOFF,MAT,xx\n"}) {
        Summary s;
        s.run(releaseLine("5.6") + line + "NUMOFF,NODE,1\nNUMOFF,ELEM,1\n");
        EXPECT_EQ(s.dat.maxMats, 10) << line;
    }
    Summary missing;
    missing.run(releaseLine("5.6") + "NUMOFF,NODE,1\nNUMOFF,ELEM,1\n");
    EXPECT_EQ(missing.dat.maxMats, 0);
}

TEST(ReadSummary, NoNodesOrElementsStopsSilentlyAfterTheCounts) {
    Summary s;
    EXPECT_EQ(s.run(releaseLine("5.6") + "NUMOFF,NODE,       4\n"), "");
    EXPECT_EQ(s.console.str(),
              "ANSYS Version: 5.6\nNumber of nodes: 4\nNumber of elements: 0\n"
              "Number of materials: 0\nNumber of element sets: 0\n"
              "Number of nodal boundary conditions: 0\n");
}

TEST(ReadSummary, LaterFigureOverridesAndUnparsableReadsAsZero) {
    Summary s;
    EXPECT_EQ(s.run(releaseLine("5.6") + "NUMOFF,ELEM,5\nNUMOFF,NODE,9\nNUMOFF,NODE,x\n"), "");
    EXPECT_EQ(s.dat.maxNodes, 0);
}

TEST(ReadSummary, StressProgramRules) {
    // The stress program reads the material figure from position 12 and keeps a figure that
    // is not positive; the translator reads from position 11.
    const std::string archive =
        releaseLine("5.8") + "NUMOFF,MAT,12\nNUMOFF,NODE,1\nNUMOFF,ELEM,1\n";
    std::ostringstream console;
    Data dat(console, kAnsmrpRules);
    std::istringstream in(archive);
    dat.readSummary(in);
    EXPECT_EQ(console.str().substr(0, 45), "ANSYS Version: 5.8\nTranslator needs updating\n");
    EXPECT_EQ(dat.maxMats, 2);
    Summary translator;
    translator.run(archive);
    EXPECT_EQ(translator.dat.maxMats, 12);

    std::ostringstream consoleZero;
    Data zero(consoleZero, kAnsmrpRules);
    std::istringstream inZero(releaseLine("5.6") + "NUMOFF,MAT, 0\nNUMOFF,NODE,1\nNUMOFF,ELEM,1\n");
    zero.readSummary(inZero);
    EXPECT_EQ(zero.maxMats, 0);

    // Release 6 is not recognised by the stress program.
    std::ostringstream console6;
    Data dat6(console6, kAnsmrpRules);
    std::istringstream in6(releaseLine("6.0"));
    EXPECT_THROW(dat6.readSummary(in6), FatalError);
    EXPECT_EQ(console6.str(), "ANSYS Version: 0.0\n");
}

// ---- element sets ----

TEST(ReadElSets, KeyOptionThreeSetsThePlaneOption) {
    ArchiveFixture f;
    f.dat.maxElSets = 3;
    f.read(&Data::readElSets,
           "KEYOP,       1,3,     1\n"  // before its set: no effect
           "ET,       1,82\nET,       2,42\n"
           "KEYOP,       1,3,     2\nKEYOP,       2,2,     1\nKEYOP,       1,3,     3\n"
           "KEYOP,       1,4,     9\n");
    ASSERT_EQ(f.dat.numElSets(), 2);
    EXPECT_EQ(f.dat.elsets[0].id, 1);
    EXPECT_EQ(f.dat.elsets[0].type, 82);
    EXPECT_EQ(f.dat.elsets[0].opt_2d, 3);
    EXPECT_EQ(f.dat.elsets[1].type, 42);
    EXPECT_EQ(f.dat.elsets[1].opt_2d, 0);
    EXPECT_EQ(f.console.str(),
              "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n");
}

TEST(ReadElSets, ThicknessMessageOncePerMatchingSet) {
    ArchiveFixture f;
    f.dat.maxElSets = 2;
    f.read(&Data::readElSets, "ET,1,82\nET,1,83\nKEYOP,1,3,3\nKEYOP,x\n");
    EXPECT_EQ(f.console.str(),
              "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n"
              "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n");
}

TEST(ReadElSets, MoreSetsThanCountedStops) {
    ArchiveFixture f;
    f.dat.maxElSets = 1;
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { f.read(&Data::readElSets, "ET,1,82\nET,2,82\n"); }),
              "Element set allocation exceeded\n");
}

// ---- nodes ----

struct NodeReading : ArchiveFixture {
    NodeReading(int minor, int capacity = 100) {
        dat.major = 5;
        dat.minor = minor;
        dat.maxNodes = capacity;
    }
};

TEST(ReadNodes, Release50LineFormFillsMissingCoordinatesWithZero) {
    NodeReading f(0);
    f.read(&Data::readNodes,
           "N,R5.0,LOC,       7, 1.5, 2.5, 3.5\nN,R5.0,LOC,       9, 4.0\n"
           "N,R5.1,LOC,       3, 0, 1.0, 1.0, 1.0\nN,R5.0,LOC,      11\n");
    ASSERT_EQ(f.dat.numNodes(), 3);
    EXPECT_EQ(f.dat.nodes[0].id, 7);
    EXPECT_DOUBLE_EQ(f.dat.nodes[0].z, 3.5);
    EXPECT_EQ(f.dat.nodes[1].nid, 2);
    EXPECT_DOUBLE_EQ(f.dat.nodes[1].x, 4.0);
    EXPECT_DOUBLE_EQ(f.dat.nodes[1].y, 0.0);
    EXPECT_EQ(f.dat.nodes[2].id, 11);
    EXPECT_DOUBLE_EQ(f.dat.nodes[2].x, 0.0);
}

TEST(ReadNodes, Release53EndMarkerStopsReading) {
    NodeReading f(3);
    f.read(&Data::readNodes,
           "N,R5.3,LOC,       1,       0,       0, 1.0, 2.0, 0.0\nN,R5.3,LOC,      -1,\n"
           "N,R5.3,LOC,       2,       0,       0, 1.0, 2.0, 0.0\n");
    ASSERT_EQ(f.dat.numNodes(), 1);
    EXPECT_DOUBLE_EQ(f.dat.nodes[0].y, 2.0);
}

TEST(ReadNodes, Release51And52UseTheirOwnPrefix) {
    NodeReading f(2);
    f.read(&Data::readNodes,
           "N,R5.1,LOC,       1, 0, 1.0, 2.0\nN,R5.2,LOC,       2, 0, 3.0, 4.0\n");
    ASSERT_EQ(f.dat.numNodes(), 1);
    EXPECT_EQ(f.dat.nodes[0].id, 2);
    EXPECT_DOUBLE_EQ(f.dat.nodes[0].x, 3.0);
}

TEST(ReadNodes, BlockFormEndsAtALineBeginningWithN) {
    NodeReading f(6);
    f.read(&Data::readNodes,
           "NBLOCK,6,SOLID\n(3i8,6e16.9)\n"
           "      12       0       0 1.000000000E+00-2.000000000E+00 0.000000000E+00\n"
           "      15       0       0 3.0\n"
           "\n"
           "N,R5.3,LOC,      -1,\n      99       0       0 1.0 1.0 1.0\n");
    ASSERT_EQ(f.dat.numNodes(), 3);
    EXPECT_EQ(f.dat.nodes[0].id, 12);
    EXPECT_DOUBLE_EQ(f.dat.nodes[0].y, -2.0);  // touching fields are read apart by the sign
    EXPECT_DOUBLE_EQ(f.dat.nodes[1].x, 3.0);
    EXPECT_DOUBLE_EQ(f.dat.nodes[1].y, 0.0);
    // An empty line inside the block is a node with every field 0.
    EXPECT_EQ(f.dat.nodes[2].id, 0);
    EXPECT_EQ(f.dat.nodes[2].nid, 3);
}

TEST(ReadNodes, BlockCutOffByTheEndOfTheFileKeepsItsNodes) {
    NodeReading f(6);
    f.read(&Data::readNodes, "NBLOCK,6,SOLID\n(3i8,6e16.9)\n       1       0       0 1.0 1.0");
    EXPECT_EQ(f.dat.numNodes(), 1);
    NodeReading none(6);
    none.read(&Data::readNodes, "N,R5.3,LOC,       1,       0,       0, 1.0\n");
    EXPECT_EQ(none.dat.numNodes(), 0);
}

TEST(ReadNodes, CapacityIsTheNodeFigure) {
    std::string block =
        "NBLOCK,6,SOLID\n(3i8,6e16.9)\n       1 0 0 1 1 1\n       2 0 0 1 1 1\nN,\n";
    NodeReading exact(6, 2);
    exact.read(&Data::readNodes, block);
    EXPECT_EQ(exact.dat.numNodes(), 2);
    NodeReading over(6, 1);
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { over.read(&Data::readNodes, block); }),
              "Node allocation exceeded\n");
}

// ---- elements ----

struct ElementReading : ArchiveFixture {
    ElementReading(int major, int minor, int capacity = 100) {
        dat.major = major;
        dat.minor = minor;
        dat.maxElems = capacity;
    }
};

std::string block19(const std::vector<int>& numbers) {
    std::string line;
    for (int n : numbers) line += std::to_string(n) + std::string(" ");
    return line + "\n";
}

TEST(ReadElems, NineteenNumberBlock) {
    ElementReading f(5, 6);
    f.read(&Data::readElems,
           "EBLOCK,19,SOLID\n(19i7)\n" +
               block19({2, 1, 1, 1, 0, 0, 0, 0, 8, 0, 31, 1, 2, 3, 4, 5, 6, 7, 8}) +
               block19({1, 3, 1, 1, 0, 0, 0, 0, 20, 0, 32, 1, 2, 3, 4, 5, 6, 7, 8}) +
               block19({9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}) +  // continuation
               block19({1, 1, 1, 1, 0, 0, 0, 0, 4, 0, 33, 10, 11, 12}) + "     -1\n" +
               block19({1, 1, 1, 1, 0, 0, 0, 0, 4, 0, 34, 1, 2, 3, 4}));
    ASSERT_EQ(f.dat.numElems(), 3);
    const Elem& first = f.dat.elems[0];
    EXPECT_EQ(first.mat, 2);
    EXPECT_EQ(first.type, 1);
    EXPECT_EQ(first.id, 31);
    EXPECT_EQ(first.num_nodes, 8);
    EXPECT_EQ(first.nodes[7], 8);
    EXPECT_EQ(f.dat.elems[1].id, 32);
    EXPECT_EQ(f.dat.elems[1].num_nodes, 20);
    // A short line leaves the nodes it does not give at 0.
    EXPECT_EQ(f.dat.elems[2].id, 33);
    EXPECT_EQ(f.dat.elems[2].nodes[2], 12);
    EXPECT_EQ(f.dat.elems[2].nodes[3], 0);
}

TEST(ReadElems, EighteenNumberBlockEndsAtEnLine) {
    ElementReading f(5, 4);
    f.read(&Data::readElems,
           "EBLOCK,18,SOLID\n(18i6)\n" +
               block19({3, 2, 1, 41, 1, 0, 0, 0, 8, 0, 5, 6, 7, 8, 9, 10, 11, 12}) +
               "EN,R5.4,ATTR,1\n" +
               block19({3, 2, 1, 42, 1, 0, 0, 0, 8, 0, 5, 6, 7, 8, 9, 10, 11, 12}));
    ASSERT_EQ(f.dat.numElems(), 1);
    EXPECT_EQ(f.dat.elems[0].mat, 3);
    EXPECT_EQ(f.dat.elems[0].type, 2);
    EXPECT_EQ(f.dat.elems[0].id, 41);
    EXPECT_EQ(f.dat.elems[0].nodes[0], 5);
}

TEST(ReadElems, AttributeAndNodeLines) {
    ElementReading f(5, 2);
    f.read(&Data::readElems,
           "EN,R5.0,ATTR,     8,     3,     1,     1,    17\n"
           "EN,R5.0,NODE,     1,     2,     3,     4,     5,     6,     7,     8\n"
           "EN,R5.0,ATTR,    20,     1,     2,     1,    18\n"
           "EN,R5.0,NODE,     1,     2,     3,     4,     5,     6,     7,     8\n"
           "EN,R5.0,NODE,    99,    99,    99,    99,    99,    99,    99,    99\n"  // continuation
           "EN,R5.0,NODE,    98,    98,    98,    98\n"  // second continuation (above 16 nodes)
           "EN,R5.0,NODE,     9,    10,    11\n"
           "EN,R5.0,ATTR,     8,     3,     1,     1,    19\n");  // no node line: no element
    ASSERT_EQ(f.dat.numElems(), 3);
    EXPECT_EQ(f.dat.elems[0].num_nodes, 8);
    EXPECT_EQ(f.dat.elems[0].mat, 3);
    EXPECT_EQ(f.dat.elems[0].type, 1);
    EXPECT_EQ(f.dat.elems[0].id, 17);
    EXPECT_EQ(f.dat.elems[1].id, 18);
    // A node line without its attribute line: attributes 0, missing nodes 0.
    EXPECT_EQ(f.dat.elems[2].id, 0);
    EXPECT_EQ(f.dat.elems[2].nodes[0], 9);
    EXPECT_EQ(f.dat.elems[2].nodes[3], 0);
}

TEST(ReadElems, Release4UsesAttributeLinesWhateverItsSubNumber) {
    ElementReading f(4, 6);
    f.read(&Data::readElems,
           "EN,R5.0,ATTR,     4,     1,     1,     1,     5\n"
           "EN,R5.0,NODE,     1,     2,     3,     4\n");
    ASSERT_EQ(f.dat.numElems(), 1);
    EXPECT_EQ(f.dat.elems[0].id, 5);
}

TEST(ReadElems, CapacityIsTheElementFigure) {
    ElementReading f(5, 6, 1);
    std::string line = block19({1, 1, 1, 1, 0, 0, 0, 0, 4, 0, 1, 1, 2, 3, 4});
    EXPECT_EQ(ArchiveFixture::stopMessage(
                  [&] { f.read(&Data::readElems, "EBLOCK,19\n(19i7)\n" + line + line); }),
              "Element allocation exceeded\n");
}

// ---- materials ----

std::string mpdata(const char* label, int material, const char* value, int count = 1) {
    char line[128];
    std::snprintf(line, sizeof line, "MPDATA,R5.0,%2d,%-4s,%8d,  1, %s    ,\n", count, label,
                  material, value);
    return line;
}

TEST(ReadMats, OneRecordPerMaterialNumberInOrderOfFirstAppearance) {
    ArchiveFixture f;
    f.dat.maxMats = 3;
    f.read(&Data::readMats, mpdata("EX", 3, "2.0E+11") + mpdata("EX", 1, "7.0E+10") +
                                mpdata("NUXY", 3, "0.3") + mpdata("DENS", 2, "7800") +
                                mpdata("EX", 3, "2.1E+11") + mpdata("MU", 1, "0.2") +
                                mpdata("ALPX", 1, "1.2E-05"));
    ASSERT_EQ(f.dat.numMats(), 3);
    EXPECT_EQ(f.dat.mats[0].id, 3);
    EXPECT_EQ(f.dat.mats[1].id, 1);
    EXPECT_EQ(f.dat.mats[2].id, 2);
    EXPECT_DOUBLE_EQ(f.dat.mats[0].ex, 2.1e11);  // the later value wins
    EXPECT_DOUBLE_EQ(f.dat.mats[0].nu, 0.3);
    EXPECT_DOUBLE_EQ(f.dat.mats[0].dens, 0.0);
    EXPECT_DOUBLE_EQ(f.dat.mats[1].mu, 0.2);
    EXPECT_DOUBLE_EQ(f.dat.mats[1].alpha, 1.2e-5);
    EXPECT_DOUBLE_EQ(f.dat.mats[2].dens, 7800.0);
    EXPECT_EQ(f.dat.mats[2].type, 1);
    EXPECT_EQ(f.console.str(), "");
}

TEST(ReadMats, Warnings) {
    ArchiveFixture f;
    f.dat.maxMats = 10;
    f.read(&Data::readMats, mpdata("PRXY", 1, "0.3") + mpdata("EX", 1, "1.0", 2) +
                                "MPDATA,R5.0, 1,XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\n");
    EXPECT_EQ(f.console.str(),
              "Unconverted material data (PRXY,) \n"
              "Material properties not translated properly\n"
              "Unconverted material data (XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX) \n");
    EXPECT_DOUBLE_EQ(f.dat.mats[0].ex, 1.0);
    // The cut-short last line names material 0 with value 0: nothing carried over.
    ASSERT_EQ(f.dat.numMats(), 2);
    EXPECT_EQ(f.dat.mats[1].id, 0);
}

TEST(ReadMats, NoMaterialFigureStopsAtTheFirstMaterial) {
    ArchiveFixture f;
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { f.read(&Data::readMats, mpdata("EX", 1, "1")); }),
              "Material allocation exceeded\n");
    ArchiveFixture none;
    none.read(&Data::readMats, "/PREP7\n");
    EXPECT_EQ(none.dat.numMats(), 0);
}

// ---- boundary conditions ----

struct BcCase {
    const char* line;
    int type;
    int axis;
    double value;
};

TEST(ReadBCs, KindAndAxisFromCommandLabelAndValue) {
    const BcCase cases[] = {
        {"D,     1,UX  ,  0.00000000E+00", BC::kFixed, 1, 0.0},
        {"D,     1,UX  ,  1.00000000E-03", BC::kDisplacement, 4, 0.001},
        {"D,     1,UY  ,  0.0", BC::kFixed, 2, 0.0},
        {"D,     1,UY  , -2.5", BC::kDisplacement, 5, -2.5},
        {"D,     1,UZ  ,  0.0", BC::kFixed, 6, 0.0},
        {"D,     1,UZ  ,  1.0", BC::kDisplacement, 6, 1.0},
        {"F,     1,FX  ,  0.0", BC::kForce, 1, 0.0},
        {"F,     1,FY  , -5.0", BC::kForce, 2, -5.0},
        {"F,     1,FZ  ,  5.0", BC::kForce, 6, 5.0},
        {"D,     1,ROTZ,  0.0", BC::kDropped, 0, 0.0},
        {"F,     1,HEAT,  3.0", BC::kDropped, 0, 0.0},
    };
    for (const BcCase& c : cases) {
        ArchiveFixture f;
        f.dat.maxBCs = 1;
        f.read(&Data::readBCs, std::string(c.line) + "\n");
        ASSERT_EQ(f.dat.numBCs(), 1) << c.line;
        EXPECT_EQ(f.dat.bcs[0].type, c.type) << c.line;
        EXPECT_EQ(f.dat.bcs[0].axis, c.axis) << c.line;
        EXPECT_EQ(f.dat.bcs[0].node, 1) << c.line;
        EXPECT_DOUBLE_EQ(f.dat.bcs[0].value, c.value) << c.line;
    }
}

TEST(ReadBCs, UnconvertedLabelsWarnAndStillCount) {
    ArchiveFixture f;
    f.dat.maxBCs = 2;
    f.read(&Data::readBCs, "D,     3,TEMP,  1.0\nDK,1\nF,     4,\n");
    EXPECT_EQ(f.console.str(),
              "Unconverted boundary condition (TEMP,) \nUnconverted boundary condition () \n");
    EXPECT_EQ(f.dat.numBCs(), 2);
    ArchiveFixture over;
    over.dat.maxBCs = 1;
    EXPECT_EQ(ArchiveFixture::stopMessage(
                  [&] { over.read(&Data::readBCs, "D,1,TEMP, 1\nF,     1,FX  ,  1\n"); }),
              "Boundary condition allocation exceeded\n");
}

}  // namespace
