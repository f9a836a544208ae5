// Tests of the archive readers: line pieces, summary, element sets, nodes, elements,
// materials and boundary conditions.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <unordered_set>
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

const char* const kCountsOfOne =
    "Number of nodes: 1\nNumber of elements: 1\nNumber of materials: 0\n"
    "Number of element sets: 0\nNumber of nodal boundary conditions: 0\n";

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

// Where the release line is, and what the summary prints for it.
TEST(ReadSummary, ReleaseLineVersionLineAndWarning) {
    const std::string figures = "NUMOFF,NODE,1\nNUMOFF,ELEM,1\n";
    const std::string cdwrite = ":CDWRITE *** START OF CDWRITE DATA ***\n";
    const std::string neutral = ":NEUTRAL\n:KP, 1, 0.0\n" + cdwrite;
    const std::string iges = std::string(72, ' ') + "S      1\n1H,,1H;,4HPART,8Hpart.igs;" +
                             std::string(46, ' ') + "G      1\n" + cdwrite;
    const std::pair<std::string, std::string> cases[] = {
        // archive, console before the counts
        {releaseLine("5.7") + figures, "ANSYS Version: 5.7\nTranslator might need updating\n"},
        {releaseLine("6.1") + figures, "ANSYS Version: 6.1\nTranslator might need updating\n"},
        {"/COM,ANSYS RELEASE 11.2    UP20090415\n" + figures, "ANSYS Version: 11.2\n"},
        {neutral + releaseLine("5.5") + figures, "ANSYS Version: 5.5\n"},
        {iges + releaseLine("5.4") + figures, "ANSYS Version: 5.4\n"},
        {releaseLine("5.3") + releaseLine("5.6") + figures, "ANSYS Version: 5.3\n"},
        {"/PREP7\nN,R5.1,LOC,  1\n" + releaseLine("5.6") + figures, "ANSYS Version: unknown\n"},
    };
    for (const auto& [archive, console] : cases) {
        Summary s;
        EXPECT_EQ(s.run(archive), "<no stop>") << archive;
        EXPECT_EQ(s.console.str(), console + kCountsOfOne) << archive;
    }
    Summary old;
    EXPECT_EQ(old.run(releaseLine("3.2") + figures), "Cannot translate Ansys version 3\n");
    EXPECT_EQ(old.console.str(), "ANSYS Version: 3.2\n");
}

TEST(ReadSummary, FormsOfAnUnknownReleaseFollowTheContent) {
    using N = LineForms::Nodes;
    using E = LineForms::Elements;
    const std::string figures = "NUMOFF,NODE,1\nNUMOFF,ELEM,1\n";
    const std::pair<std::string, LineForms> cases[] = {
        {figures + "NBLOCK,6,SOLID\n", {N::Block, E::Block19}},
        {figures + "EBLOCK,18,SOLID\n(18i6)\n", {N::Block, E::Block18}},
        {figures + "EBLOCK,18,SOLID\n(18i)\nEBLOCK,18\n(18i6)\n", {N::Block, E::Block19}},
        {figures + "N,R5.2,LOC,  1\nN,R5.1,LOC,  2\n", {N::R52Lines, E::AttributeLines}},
        {figures, {N::R50Lines, E::AttributeLines}},
    };
    for (const auto& [archive, forms] : cases) {
        Summary s;
        s.run(archive);
        EXPECT_EQ(s.dat.lineForms, forms) << archive;
    }
}

TEST(ReadSummary, NumoffFigureIsTheNumberAfterTheKeywordsComma) {
    const std::pair<const char*, int> cases[] = {
        {"NUMOFF,MAT,      12\n", 12}, {"NUMOFF,MAT ,        1\n", 1},
        {"NUMOFF,MAT,12\n", 12},       {"NUMOFF,MAT ,       14\r\n", 14},
        {"NUMOFF,MAT,       0\n", 10}, {"NUMOFF,MAT,      -3\n", 10},
        {"NUMOFF,MAT,xx\n", 10},       {"NUMOFF,MAT\n", 10},
    };
    for (const auto& [line, figure] : cases) {
        Summary s;
        s.run(releaseLine("5.6") + line + "NUMOFF,NODE ,  1\nNUMOFF,ELEM ,       1\n");
        EXPECT_EQ(s.dat.maxMats, figure) << line;
        EXPECT_EQ(s.dat.maxNodes, 1) << line;
        EXPECT_EQ(s.dat.maxElems, 1) << line;
    }
}

// Figures without their "NUMOFF" line are counted in the line forms of the release.
struct CountCase {
    const char* name;
    std::string archive;
    int nodes, elements, materials;
};

TEST(ReadSummary, MissingFiguresAreCounted) {
    const std::string nodeBlock =
        "NBLOCK,6,SOLID\n(3i8,6e16.9)\n      10 0 0 1.0\n      20 0 0\n      90 0 0 2.0 1.0\n"
        "N,R5.3,LOC,      -1,\n";
    const std::string elementBlock =
        "EBLOCK,19,SOLID\n(19i8)\n"
        "1 1 1 1 0 0 0 0 20 0 1 10 20 90 10 20 90 10 20\n20 90 10 20 90 10 20 90 10 20 90 10\n"
        "1 1 1 1 0 0 0 0 4 0 2 10 20 90 90\n      -1\n";
    const std::string materials =
        "MPDATA,R5.0, 1,EX  ,       7,  1,  1.0,\nMPDATA,R5.0, 1,NUXY,       7,  1,  0.3,\n"
        "MPDATA,R5.0, 1,EX  ,       3,  1,  1.0,\n";
    const CountCase cases[] = {
        {"blocks", releaseLine("5.6") + nodeBlock + elementBlock + materials, 3, 2, 2},
        {"node lines of 5.1 and attribute lines",
         releaseLine("5.1") +
             "N,R5.1,LOC,     1, 0, 1.0\nN,R5.0,LOC,     2, 1.0\nN,R5.1,LOC,     3, 0, 2.0\n"
             "EN,R5.0,ATTR,    20,     1,     1,     1,     1\n"
             "EN,R5.0,NODE,     1,     2,     3,     1,     2,     3,     1,     2\n"
             "EN,R5.0,NODE,     1,     2,     3,     1,     2,     3,     1,     2\n"
             "EN,R5.0,NODE,     1,     2,     3,     1\n"
             "EN,R5.0,ATTR,     3,     1,     1,     1,     2\n"
             "EN,R5.0,NODE,     1,     2,     3\n",
         2, 2, 0},
        {"node lines end at the marker",
         releaseLine("5.0") + "N,R5.0,LOC,     1, 1.0\nN,R5.0,LOC,    -1\nN,R5.0,LOC,     2\n", 1,
         0, 0},
    };
    for (const CountCase& c : cases) {
        Summary s;
        std::string stop = s.run(c.archive);
        EXPECT_EQ(s.dat.maxNodes, c.nodes) << c.name;
        EXPECT_EQ(s.dat.maxElems, c.elements) << c.name;
        EXPECT_EQ(s.dat.maxMats, c.materials) << c.name;
        EXPECT_EQ(stop, c.nodes > 0 && c.elements > 0
                            ? "<no stop>"
                            : "No nodes or elements found in the archive\n")
            << c.name;
    }
}

TEST(ReadSummary, NoNodesOrElementsOnTheNumoffLinesStopsSilently) {
    Summary s;
    EXPECT_EQ(s.run(releaseLine("5.6") + "NUMOFF,NODE,       4\nNUMOFF,ELEM,       0\n"), "");
    EXPECT_EQ(s.console.str(),
              "ANSYS Version: 5.6\nNumber of nodes: 4\nNumber of elements: 0\n"
              "Number of materials: 0\nNumber of element sets: 0\n"
              "Number of nodal boundary conditions: 0\n");
    // A later figure overrides; an unparsable one reads as 0.
    Summary later;
    EXPECT_EQ(later.run(releaseLine("5.6") + "NUMOFF,ELEM,5\nNUMOFF,NODE,9\nNUMOFF,NODE,x\n"), "");
    EXPECT_EQ(later.dat.maxNodes, 0);
}

TEST(ReadSummary, ElementTypeBlockRowsAreElementSets) {
    // A block without its end line ends at the next command line, which is still read.
    Summary s;
    s.run(releaseLine("5.6") +
          "NUMOFF,NODE,1\nET,9,82\nETBLOCK,2,2\r\n(2i9,19a9)\r\n        1      182\r\n\r\n"
          "        2      183\r\nNUMOFF,ELEM,1\nET,8,82\n");
    EXPECT_EQ(s.dat.maxElSets, 4);
    EXPECT_EQ(s.dat.maxElems, 1);
}

TEST(ReadSummary, LoadsThatAreNotTranslatedAreCounted) {
    const std::string archive =
        releaseLine("5.6") +
        "NUMOFF,NODE,1\nNUMOFF,ELEM,1\n"
        "SFE,       4,     2,PRES, 0,  1.0E+06\nSF,ALL,PRES,1.0\nSFL,2,PRES,1.0\nSFA,1,,PRES,1\n"
        "SFEBLOCK,        2,        1,        1,        0\n(3i9,1e21.13e3)\n"
        "        2        2        1 1.0000000000000E+006\n"
        "        4        2        1-1.0000000000000E+006\n       -1\n"
        "SFGRAD,PRES,0\nBF,       5,TEMP,  1.2E+02\nBFE,1,TEMP,1,20\nBFL,1,TEMP,3\nBFA,1,TEMP,3\n"
        "BFUNIF,TEMP,20\nACEL,  0.00000000    ,  0.00000000    ,  0.00000000    \n"
        "ACEL,0,,9.81\nACEL,,,\nACEL, 1.0\n"
        // The end line of a block is no surface load line.
        "SFEBLOCK,4,PRES,         1,        16,0\n(i9,i4,i4,6(pg20.9))\n"
        "        1   1   1      1000.00000          1000.00000          1000.00000"
        "          1000.00000\nSFE,end,LOC,       -1,\n"
        // Spin: every line with a nonzero value, of the model or of a second frame.
        "OMEGA, 0, 2500, 0\nOMEGA,  0.00000000    ,  0.00000000    ,  0.00000000    ,     0\n"
        "OMEGA,,,-1.5\nCGOMGA,0,0,3\nCGOMGA,0,0,0\nDOMEGA,0,1\nCGLOC,0,0,0\nCGLOC,2\n";
    Summary s;
    EXPECT_EQ(s.run(archive), "<no stop>");
    EXPECT_EQ(s.console.str(), std::string("ANSYS Version: 5.6\n") + kCountsOfOne +
                                   "7 surface load lines not translated\n"
                                   "4 body load lines not translated\n"
                                   "2 acceleration lines not translated\n"
                                   "5 rotational velocity lines not translated\n");
    // The stress program names none.
    std::ostringstream console;
    Data mapping(console, kAnsmrpRules);
    std::istringstream in(archive);
    mapping.readSummary(in);
    EXPECT_EQ(console.str(), std::string("ANSYS Version: 5.6\n") + kCountsOfOne);
}

TEST(ReadSummary, StressProgramRules) {
    // The stress program has its own warning, keeps a material figure that is not positive,
    // and reads release 6 as 5.6 too.
    std::ostringstream console;
    Data dat(console, kAnsmrpRules);
    std::istringstream in(releaseLine("6.0") + "NUMOFF,MAT,12\nNUMOFF,NODE,1\nNUMOFF,ELEM,1\n");
    dat.readSummary(in);
    EXPECT_EQ(console.str().substr(0, 45), "ANSYS Version: 6.0\nTranslator needs updating\n");
    EXPECT_EQ(dat.maxMats, 12);
    EXPECT_EQ(dat.lineForms, (LineForms{LineForms::Nodes::Block, LineForms::Elements::Block19}));

    std::ostringstream consoleZero;
    Data zero(consoleZero, kAnsmrpRules);
    std::istringstream inZero(releaseLine("5.6") + "NUMOFF,MAT, 0\nNUMOFF,NODE,1\nNUMOFF,ELEM,1\n");
    zero.readSummary(inZero);
    EXPECT_EQ(zero.maxMats, 0);
}

// ---- element sets ----

TEST(ReadElSets, KeyOptionThreeSetsThePlaneOption) {
    ArchiveFixture f;
    f.dat.maxElSets = 3;
    f.read(&Data::elSetReader,
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
    f.read(&Data::elSetReader, "ET,1,82\nET,1,83\nKEYOP,1,3,3\nKEYOP,x\n");
    EXPECT_EQ(f.console.str(),
              "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n"
              "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n");
}

TEST(ReadElSets, ElementTypeBlockRowsAreSetsWithKeyOptionThree) {
    ArchiveFixture f;
    f.dat.maxElSets = 4;
    f.read(&Data::elSetReader,
           "ETBLOCK,        3,        3\r\n(2i9,19a9)\r\n"
           "        1      183        0        0        2        0        0\r\n"
           "        2       42        0        0        3\r\n"
           "        5      182\r\n"
           "       -1\r\n"
           "ET,       6,82\nKEYOP,       5,3,     1\n");
    ASSERT_EQ(f.dat.numElSets(), 4);
    const int expected[4][3] = {{1, 183, 2}, {2, 42, 3}, {5, 182, 1}, {6, 82, 0}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f.dat.elsets[k].id, expected[k][0]) << k;
        EXPECT_EQ(f.dat.elsets[k].type, expected[k][1]) << k;
        EXPECT_EQ(f.dat.elsets[k].opt_2d, expected[k][2]) << k;
    }
    EXPECT_EQ(f.console.str(),
              "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n");
}

TEST(ReadElSets, MoreSetsThanCountedStops) {
    ArchiveFixture f;
    f.dat.maxElSets = 1;
    EXPECT_EQ(
        ArchiveFixture::stopMessage([&] { f.read(&Data::elSetReader, "ET,1,82\nET,2,82\n"); }),
        "Element set allocation exceeded\n");
}

// ---- nodes ----

struct NodeReading : ArchiveFixture {
    explicit NodeReading(LineForms::Nodes form, int capacity = 100) {
        dat.lineForms.nodes = form;
        dat.maxNodes = capacity;
    }
};

TEST(ReadNodes, Release50LineFormFillsMissingCoordinatesWithZero) {
    NodeReading f(LineForms::Nodes::R50Lines);
    f.read(&Data::nodeReader,
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
    NodeReading f(LineForms::Nodes::R53Lines);
    f.read(&Data::nodeReader,
           "N,R5.3,LOC,       1,       0,       0, 1.0, 2.0, 0.0\nN,R5.3,LOC,      -1,\n"
           "N,R5.3,LOC,       2,       0,       0, 1.0, 2.0, 0.0\n");
    ASSERT_EQ(f.dat.numNodes(), 1);
    EXPECT_DOUBLE_EQ(f.dat.nodes[0].y, 2.0);
}

TEST(ReadNodes, Release51And52UseTheirOwnPrefix) {
    NodeReading f(LineForms::Nodes::R52Lines);
    f.read(&Data::nodeReader,
           "N,R5.1,LOC,       1, 0, 1.0, 2.0\nN,R5.2,LOC,       2, 0, 3.0, 4.0\n");
    ASSERT_EQ(f.dat.numNodes(), 1);
    EXPECT_EQ(f.dat.nodes[0].id, 2);
    EXPECT_DOUBLE_EQ(f.dat.nodes[0].x, 3.0);
}

TEST(ReadNodes, BlockFormEndsAtALineBeginningWithN) {
    NodeReading f(LineForms::Nodes::Block);
    f.read(&Data::nodeReader,
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
    NodeReading f(LineForms::Nodes::Block);
    f.read(&Data::nodeReader, "NBLOCK,6,SOLID\n(3i8,6e16.9)\n       1       0       0 1.0 1.0");
    EXPECT_EQ(f.dat.numNodes(), 1);
    NodeReading none(LineForms::Nodes::Block);
    none.read(&Data::nodeReader, "N,R5.3,LOC,       1,       0,       0, 1.0\n");
    EXPECT_EQ(none.dat.numNodes(), 0);
}

TEST(ReadNodes, CapacityIsTheNodeFigure) {
    std::string block =
        "NBLOCK,6,SOLID\n(3i8,6e16.9)\n       1 0 0 1 1 1\n       2 0 0 1 1 1\nN,\n";
    NodeReading exact(LineForms::Nodes::Block, 2);
    exact.read(&Data::nodeReader, block);
    EXPECT_EQ(exact.dat.numNodes(), 2);
    NodeReading over(LineForms::Nodes::Block, 1);
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { over.read(&Data::nodeReader, block); }),
              "Node allocation exceeded\n");
}

// ---- elements ----

struct ElementReading : ArchiveFixture {
    explicit ElementReading(LineForms::Elements form, int capacity = 100) {
        dat.lineForms.elements = form;
        dat.maxElems = capacity;
    }
};

std::string block19(const std::vector<int>& numbers) {
    std::string line;
    for (int n : numbers) line += std::to_string(n) + std::string(" ");
    return line + "\n";
}

TEST(ReadElems, NineteenNumberBlock) {
    ElementReading f(LineForms::Elements::Block19);
    f.read(&Data::elementReader,
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
    ElementReading f(LineForms::Elements::Block18);
    f.read(&Data::elementReader,
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
    ElementReading f(LineForms::Elements::AttributeLines);
    f.read(&Data::elementReader,
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
    ElementReading f(lineFormsOf(ArchiveRelease::of(4, 6), {}).elements);
    f.read(&Data::elementReader,
           "EN,R5.0,ATTR,     4,     1,     1,     1,     5\n"
           "EN,R5.0,NODE,     1,     2,     3,     4\n");
    ASSERT_EQ(f.dat.numElems(), 1);
    EXPECT_EQ(f.dat.elems[0].id, 5);
}

TEST(ReadElems, RealConstantSetInEveryForm) {
    const std::pair<LineForms::Elements, std::string> cases[] = {
        {LineForms::Elements::Block19,
         "EBLOCK,19,SOLID\n(19i7)\n" + block19({2, 1, 7, 1, 0, 0, 0, 0, 4, 0, 31, 1, 2, 3, 4})},
        {LineForms::Elements::Block18,
         "EBLOCK,18,SOLID\n(18i6)\n" + block19({3, 2, 7, 41, 1, 0, 0, 0, 4, 0, 5, 6, 7, 8})},
        {LineForms::Elements::AttributeLines,
         "EN,R5.0,ATTR,     4,     3,     1,     7,    17\n"
         "EN,R5.0,NODE,     1,     2,     3,     4\n"},
    };
    for (const auto& [form, archive] : cases) {
        ElementReading f(form);
        f.read(&Data::elementReader, archive);
        ASSERT_EQ(f.dat.numElems(), 1) << archive;
        EXPECT_EQ(f.dat.elems[0].real, 7) << archive;
        EXPECT_NE(f.dat.elems[0].type, 7) << archive;
        EXPECT_NE(f.dat.elems[0].id, 7) << archive;
    }
}

TEST(ReadElems, CapacityIsTheElementFigure) {
    ElementReading f(LineForms::Elements::Block19, 1);
    std::string line = block19({1, 1, 1, 1, 0, 0, 0, 0, 4, 0, 1, 1, 2, 3, 4});
    EXPECT_EQ(ArchiveFixture::stopMessage(
                  [&] { f.read(&Data::elementReader, "EBLOCK,19\n(19i7)\n" + line + line); }),
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
    f.read(&Data::materialReader, mpdata("EX", 3, "2.0E+11") + mpdata("EX", 1, "7.0E+10") +
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
    f.dat.materialsWithNuxy = {1};
    f.read(&Data::materialReader, mpdata("PRXY", 1, "0.3") + mpdata("EX", 1, "1.0", 0) +
                                      "MPDATA,R5.0, 1,XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\n");
    EXPECT_EQ(f.console.str(),
              "Unconverted material data (PRXY,) \n"
              "Material properties not translated properly\n"
              "Unconverted material data (XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX) \n");
    EXPECT_DOUBLE_EQ(f.dat.mats[0].ex, 1.0);
    EXPECT_DOUBLE_EQ(f.dat.mats[0].nu, 0.0);
    // The cut-short last line names material 0 with value 0: nothing carried over.
    ASSERT_EQ(f.dat.numMats(), 2);
    EXPECT_EQ(f.dat.mats[1].id, 0);
}

// Poisson's ratio from NUXY, or from PRXY for a material that the archive gives no NUXY.
struct PoissonCase {
    const char* name;
    std::string lines;
    std::unordered_set<int> withNuxy;  // as the summary finds them
    double nu;
    const char* console;
};

TEST(ReadMats, PrxyIsPoissonsRatioWithoutNuxy) {
    const PoissonCase cases[] = {
        {"NUXY after PRXY",
         mpdata("PRXY", 1, "0.3") + mpdata("NUXY", 1, "0.25"),
         {1},
         0.25,
         "Unconverted material data (PRXY,) \n"},
        {"NUXY of another material",
         mpdata("NUXY", 2, "0.25") + mpdata("PRXY", 1, "0.3"),
         {2},
         0.3,
         ""},
    };
    for (const PoissonCase& c : cases) {
        ArchiveFixture f;
        f.dat.maxMats = 2;
        f.dat.materialsWithNuxy = c.withNuxy;
        f.read(&Data::materialReader, c.lines);
        const Material* material = nullptr;
        for (const Material& m : f.dat.mats)
            if (m.id == 1) material = &m;
        ASSERT_NE(material, nullptr) << c.name;
        EXPECT_DOUBLE_EQ(material->nu, c.nu) << c.name;
        EXPECT_EQ(f.console.str(), c.console) << c.name;
    }
}

TEST(ReadMats, TemperatureTablesGiveTheirFirstValue) {
    ArchiveFixture f;
    f.dat.maxMats = 2;
    f.read(&Data::materialReader,
           "MPDATA,R5.0, 4,EX  ,       2,  1,  210000.000    ,  205000.000    ,  198000.000    ,\n"
           "MPDATA,R5.0, 4,EX  ,       2,  4,  190000.000    ,\n"
           "MPDATA,R5.0, 2,NUXY,       2,  1, 0.300000000    , 0.310000000    ,\n"
           "MPDATA,R5.0, 3,DENS,       7,  2,  7850.00000    ,\n");
    EXPECT_EQ(f.console.str(),
              "Material properties not translated properly\n"
              "  material 2 EX: the value at the first temperature is used\n"
              "Material properties not translated properly\n"
              "  material 2 NUXY: the value at the first temperature is used\n");
    ASSERT_EQ(f.dat.numMats(), 1);  // a table's continuation alone adds no material
    EXPECT_DOUBLE_EQ(f.dat.mats[0].ex, 210000.0);
    EXPECT_DOUBLE_EQ(f.dat.mats[0].nu, 0.3);
}

TEST(ReadMats, NoMaterialFigureStopsAtTheFirstMaterial) {
    ArchiveFixture f;
    EXPECT_EQ(
        ArchiveFixture::stopMessage([&] { f.read(&Data::materialReader, mpdata("EX", 1, "1")); }),
        "Material allocation exceeded\n");
    ArchiveFixture none;
    none.read(&Data::materialReader, "/PREP7\n");
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
        // The value follows the label's comma, whatever the width of the node field.
        {"D,       1,UX  , 1.000000000E-03, 0.00000000    ", BC::kDisplacement, 4, 0.001},
        {"F,       1,FY  , -500.000000    , 0.00000000    ", BC::kForce, 2, -500.0},
        {"F,1,FX,7.5", BC::kForce, 1, 7.5},
        {"D,       1,UY  ", BC::kFixed, 2, 0.0},
    };
    for (const BcCase& c : cases) {
        ArchiveFixture f;
        f.dat.maxBCs = 1;
        f.read(&Data::boundaryConditionReader, std::string(c.line) + "\n");
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
    f.read(&Data::boundaryConditionReader, "D,     3,TEMP,  1.0\nDK,1\nF,     4,\n");
    EXPECT_EQ(f.console.str(),
              "Unconverted boundary condition (TEMP,) \nUnconverted boundary condition () \n");
    EXPECT_EQ(f.dat.numBCs(), 2);
    ArchiveFixture over;
    over.dat.maxBCs = 1;
    EXPECT_EQ(ArchiveFixture::stopMessage([&] {
                  over.read(&Data::boundaryConditionReader, "D,1,TEMP, 1\nF,     1,FX  ,  1\n");
              }),
              "Boundary condition allocation exceeded\n");
}

}  // namespace

// ---- surface loads (-full) ----

struct PressureCase {
    const char* name;
    std::string archive;
    std::vector<SurfaceLoad> pressures;  // element, face, kind, values
    int untranslated;
};

bool samePressure(const SurfaceLoad& a, const SurfaceLoad& b) {
    return a.element == b.element && a.face == b.face && a.kind == b.kind &&
           std::equal(std::begin(a.values), std::end(a.values), std::begin(b.values));
}

TEST(ReadSurfaceLoads, LinesAndBlockRows) {
    const std::string block4 =
        "SFEBLOCK,4,PRES,         1,        16,0\n(i9,i4,i4,6(pg20.9))\n"
        "        1   5   1      1000.00000          1000.00000          1000.00000"
        "          1000.00000\n"
        "        2   1   2      0.00000000          0.00000000          0.00000000"
        "          0.00000000\n"
        "SFE,end,LOC,       -1,\n";
    const PressureCase cases[] = {
        {"values on the next line",
         "SFE,       1,   1,PRES,1,R5.0\n  300.000000      300.000000      300.000000      "
         "300.000000\nSFE,       2,   3,PRES,1,UNBL\r\n  1.5  -2.5\r\n",
         {{1, 1, 1, {300, 300, 300, 300}}, {2, 3, 1, {1.5, -2.5, 1.5, 1.5}}},
         0},
        {"values on the line",
         "SFE,12,1,PRES,,100\nSFE,       4,     2,PRES, 0,  1.00000000E+06    \r\n"
         "SFE,5,4,PRES,1,10,20\nSFE,6,4,PRES,1,10,,30\nSFE,7,2,PRES,1\n",
         {{12, 1, 1, {100, 100, 100, 100}},
          {4, 2, 1, {1e6, 1e6, 1e6, 1e6}},
          {5, 4, 1, {10, 20, 10, 10}},
          {6, 4, 1, {10, 10, 30, 10}},
          {7, 2, 1, {0, 0, 0, 0}}},
         0},
        {"block rows with their end line",
         block4,
         {{1, 5, 1, {1000, 1000, 1000, 1000}}, {2, 1, 2, {0, 0, 0, 0}}},
         0},
        {"block of one value per row, ended by -1",
         "SFEBLOCK,1,PRES\n(3i9,1e21.13e3)\n        2        2        1 1.0000000000000E+006\n"
         "        4        2        1-1.0000000000000E+006\n       -1\n",
         {{2, 2, 1, {1e6, 1e6, 1e6, 1e6}}, {4, 2, 1, {-1e6, -1e6, -1e6, -1e6}}},
         0},
        {"a later load replaces an earlier one",
         "SFE,3,1,PRES,1,5\nSFE,3,1,PRES,2,7\nSFE,3,2,PRES,1,6\nSFE,3,1,PRES,1,8,9\n",
         {{3, 1, 1, {8, 9, 8, 8}}, {3, 1, 2, {7, 7, 7, 7}}, {3, 2, 1, {6, 6, 6, 6}}},
         0},
        {"other labels and loads that name no face",
         "SFE,1,1,CONV,1,5\nSFE,1,1,CONV,1,R5.0\n 5 5 5 5\nSFE,ALL,1,PRES,1,5\n"
         "SFE,1,1,PRES,1,R5.0\nSFE,1,2,PRES,x,3\n"
         "SFEBLOCK,        2,        1,        1,        0\n(3i9,1e21.13e3)\n"
         "        2        2        1 1.0000000000000E+006\n       -1\n"
         "SFEBLOCK,1,PRES\n(3i9)\n        2        2\n"
         "SFE,end,LOC,       -1,\nSF,ALL,PRES,1\n",
         {},
         7},
    };
    for (const PressureCase& c : cases) {
        ArchiveFixture f;
        f.read(&Data::surfaceLoadReader, c.archive);
        const auto& read = f.dat.surfaceLoads.pressures;
        ASSERT_EQ(read.size(), c.pressures.size()) << c.name;
        for (size_t k = 0; k < read.size(); ++k)
            EXPECT_TRUE(samePressure(read[k], c.pressures[k])) << c.name << " " << k;
        EXPECT_EQ(f.dat.surfaceLoads.untranslated, c.untranslated) << c.name;
        EXPECT_EQ(f.console.str(), "") << c.name;
    }
}

TEST(ReadSurfaceLoads, TheEndLineOfABlockIsNoSurfaceLoadLine) {
    EXPECT_FALSE(isSurfaceLoadLine("SFE,end,LOC,       -1,\r\n"));
    EXPECT_FALSE(isSurfaceLoadLine("SFE, END ,LOC,-1\n"));
    EXPECT_TRUE(isSurfaceLoadLine("SFE,       1,   1,PRES,1,R5.0\n"));
    EXPECT_TRUE(isSurfaceLoadLine("SFE,ALL,1,PRES,,1\n"));
    EXPECT_FALSE(isSurfaceLoadLine("SFEBLOCK,4,PRES\n"));
}

// ---- accelerations and spin (-full) ----

TEST(ReadInertiaLoads, TheLastLineWithAValueApplies) {
    ArchiveFixture f;
    f.read(&Data::inertiaLoadReader,
           "ACEL,  0.00000000    ,  9.81000000    ,  0.00000000    \n"
           "ACEL,1,2,3\nACEL,0,0,5\nACEL,,,\nACEL,0,0,-1\n"
           "OMEGA, 0, 2500, 0\nOMEGA, 1, 0, 7,     0\nOMEGA,0,0,0\n"
           "CGOMGA,0,0,3\nCGOMGA,0,0,0\nDOMEGA,0,1\nCGLOC,0,0,0\nCGLOC,2\n");
    const InertiaLoads& loads = f.dat.inertiaLoads;
    EXPECT_TRUE(loads.accelerated);
    EXPECT_EQ(loads.acceleration, (Components{1, 2, 3}));
    EXPECT_EQ(loads.zOnlyAccelerations, 2);
    EXPECT_TRUE(loads.spinning);
    EXPECT_EQ(loads.spin, (Components{1, 0, 7}));
    EXPECT_EQ(loads.frameRotations, 3);

    ArchiveFixture none;
    none.read(&Data::inertiaLoadReader, "ACEL,0,0,0\nOMEGA,,\n");
    EXPECT_FALSE(none.dat.inertiaLoads.accelerated);
    EXPECT_FALSE(none.dat.inertiaLoads.spinning);
    EXPECT_EQ(none.dat.inertiaLoads.zOnlyAccelerations, 0);
}

// ---- real constants (-full) ----

TEST(ReadRealConstants, FirstValueOfEverySet) {
    const std::pair<const char*, std::unordered_map<int, double>> cases[] = {
        {"R,       1,  5.00000000    ,\nR,2,0.25,3,4\nR,       3,\nR,4,,7\nR,x,1\n",
         {{1, 5.0}, {2, 0.25}, {3, 0.0}, {4, 0.0}}},
        // Two sets, the first continued on a second row: the second set follows it.
        {"RLBLOCK,       2,       3,      10,       7\n(2i8,6g16.9)\n(7g16.9)\n"
         "       2      10  1.00000000     0.566900000E-07  0.00000000      0.00000000      "
         "0.00000000      0.00000000    \n"
         "  7.00000000      8.00000000      9.00000000      10.0000000    \n"
         "       3       2  2.50000000      1.00000000    \n"
         "R,       5,  5.00000000    ,\n",
         {{2, 1.0}, {3, 2.5}, {5, 5.0}}},
        // A later definition replaces an earlier one; a block ends at a command line.
        {"R,1,4\nRLBLOCK,       3,       1,       6,       7\r\n(2i8,6g16.9)\r\n(7g16.9)\r\n"
         "       1       1 -2.00000000    \r\n\r\nET,1,182\n       9       1  3.0\nR,2,3\nR,2\n",
         {{1, -2.0}}},
        {"RLBLOCK,       1,       1,       6,       7\n(2i8,6g16.9)\n(7g16.9)\n"
         "       1       0\n",
         {}},
    };
    for (const auto& [archive, expected] : cases) {
        ArchiveFixture f;
        f.read(&Data::realConstantReader, archive);
        EXPECT_EQ(f.dat.realConstants, expected) << archive;
    }
}
