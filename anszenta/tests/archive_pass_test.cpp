// Tests of the shared pass over the archive: every reader gets every piece, and the messages
// and stops of the readers come out as when each read the archive on its own, one after
// another.
#include "archive_pass.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "archive_pipeline.h"
#include "archive_test_support.h"

namespace {

// Prints "NAME: PIECE" for every piece beginning with "say", stops at a piece beginning with
// "stop NAME", and remembers every piece it gets.
class ScriptedReader : public ArchiveReader {
  public:
    explicit ScriptedReader(std::string name) : name_(std::move(name)) {}

    void take(const std::string& piece) override {
        pieces.push_back(piece);
        if (piece.rfind("say", 0) == 0) console() << name_ << ": " << piece;
        if (piece == "stop " + name_ + "\n") throw FatalError(name_ + " stops\n");
    }
    void finish() override { finished = true; }

    std::vector<std::string> pieces;
    bool finished = false;

  private:
    std::string name_;
};

// Releases the readers in order, as the pipeline does; returns the console and the stop.
std::string releaseAll(const std::vector<ScriptedReader*>& readers) {
    std::ostringstream console;
    try {
        for (ScriptedReader* reader : readers) reader->release(console);
    } catch (const FatalError& stop) {
        console << "[" << stop.what() << "]";
    }
    return console.str();
}

TEST(ReadTogether, EveryReaderGetsEveryPieceAndPrintsInItsTurn) {
    std::istringstream archive("say 1\nx\nsay 2\n" + std::string(300, 'y') + "\n");
    ScriptedReader a("a"), b("b");
    readTogether(archive, {&a, &b});
    const std::vector<std::string> pieces = {"say 1\n", "x\n", "say 2\n", std::string(254, 'y'),
                                             std::string(46, 'y') + "\n"};
    EXPECT_EQ(a.pieces, pieces);
    EXPECT_EQ(b.pieces, pieces);
    EXPECT_TRUE(a.finished && b.finished);
    EXPECT_EQ(releaseAll({&a, &b}), "a: say 1\na: say 2\nb: say 1\nb: say 2\n");
}

// A stop ends the reading of its reader, and the readers after it are void; the readers
// before it read to the end.
TEST(ReadTogether, AStopVoidsTheReadersAfterIt) {
    const std::string text = "say 1\nstop c\nsay 2\nstop b\nsay 3\nstop a\n";
    std::istringstream archive(text);
    ScriptedReader a("a"), b("b"), c("c");
    readTogether(archive, {&a, &b, &c});
    EXPECT_EQ(c.pieces.size(), 2u);
    EXPECT_FALSE(c.finished);
    EXPECT_EQ(b.pieces.size(), 4u);
    EXPECT_FALSE(b.finished);
    EXPECT_EQ(a.pieces.size(), 6u);
    EXPECT_FALSE(a.finished);
    EXPECT_EQ(releaseAll({&a, &b, &c}), "a: say 1\na: say 2\na: say 3\n[a stops\n]");

    std::istringstream again(text);
    ScriptedReader d("d"), late("c");
    readTogether(again, {&d, &late});
    EXPECT_EQ(d.pieces.size(), 6u);
    EXPECT_TRUE(d.finished);
    EXPECT_EQ(releaseAll({&d, &late}), "d: say 1\nd: say 2\nd: say 3\nc: say 1\n[c stops\n]");
}

TEST(BlockRows, RowsUpToTheEndLineOrACommandLine) {
    const char* const pieces[] = {"(3i8,6e16.9)\n", "       1  2\n", "\n",   " -1.5\n",
                                  "  -1  \r\n",     "       3\n",    "(x)\n"};
    BlockRows block;
    std::vector<std::string> rows, passedOn;
    auto take = [&](const std::string& piece) {
        if (!block.take(piece, [&](const std::string& row) { rows.push_back(row); }))
            passedOn.push_back(piece);
    };
    block.enter();
    for (const char* piece : pieces) take(piece);
    EXPECT_EQ(rows, (std::vector<std::string>{"       1  2\n", " -1.5\n"}));
    EXPECT_EQ(passedOn, (std::vector<std::string>{"       3\n", "(x)\n"}));

    rows.clear();
    passedOn.clear();
    block.enter();
    for (const char* piece : {"       4\n", "ET,1,42\n", "       5\n"}) take(piece);
    EXPECT_EQ(rows, (std::vector<std::string>{"       4\n"}));
    EXPECT_EQ(passedOn, (std::vector<std::string>{"ET,1,42\n", "       5\n"}));
}

// The readers share one pass; their messages come out in the order in which they used to
// read the archive one after another (element sets, nodes, elements, materials, boundary
// conditions), whatever the order of the lines, and a stop leaves out the messages of the
// readers after it.
struct OrderCase {
    const char* name;
    bool full;
    std::string archive;
    std::string console;
};

const std::string kRelease = "/COM,ANSYS RELEASE  5.6\n";
// The element set comes first; the lines that warn follow it in the opposite order of their
// readers.
const std::string kMesh =
    "NBLOCK,6,SOLID\n(3i8,6e16.9)\n"
    "       1       0       0 0.0 0.0\n       2       0       0 1.0 0.0\n"
    "       3       0       0 1.0 1.0\n       4       0       0 0.0 1.0\n"
    "N,R5.3,LOC,      -1,\nEBLOCK,19,SOLID\n(19i8)\n"
    "       1       1       1       1       0       0       0       0       4       0       1"
    "       1       2       3       4\n      -1\n";
const std::string kSecondBlock =
    "EBLOCK,19,SOLID\n(19i8)\n"
    "       1       1       1       1       0       0       0       0       4       0       2"
    "       1       2       3       4\n      -1\n";
const std::string kWarnings =
    "ET,       1,182\nD,     1,ROTZ,  0.0\nMPDATA,R5.0, 1,KXX ,       1,  1,  4.0    ,\nKEYOP,     "
    "  1,3,     3\n";
const char* const kThickness =
    "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n";

std::string counts(int nodes, int elements, int materials, int sets, int conditions) {
    return "ANSYS Version: 5.6\nNumber of nodes: " + std::to_string(nodes) +
           "\nNumber of elements: " + std::to_string(elements) +
           "\nNumber of materials: " + std::to_string(materials) +
           "\nNumber of element sets: " + std::to_string(sets) +
           "\nNumber of nodal boundary conditions: " + std::to_string(conditions) + "\n";
}

TEST(TranslateArchive, MessagesComeInTheOrderOfTheReaders) {
    const OrderCase cases[] = {
        {"every reader warns", false,
         kRelease + "NUMOFF,NODE,       4\nNUMOFF,ELEM,       1\nNUMOFF,MAT,       1\n" +
             kWarnings + kMesh,
         counts(4, 1, 1, 1, 1) + kThickness + "Unconverted material data (KXX) \n" +
             "Unconverted boundary condition (ROTZ,) \n"},
        {"the nodes overflow", false,
         kRelease + "NUMOFF,NODE,       3\nNUMOFF,ELEM,       1\nNUMOFF,MAT,       1\n" +
             kWarnings + kMesh,
         counts(3, 1, 1, 1, 1) + kThickness + "Node allocation exceeded\n"},
        {"the elements overflow", false,
         kRelease + "NUMOFF,NODE,       4\nNUMOFF,ELEM,       1\nNUMOFF,MAT,       1\n" +
             kWarnings + kMesh + kSecondBlock,
         counts(4, 1, 1, 1, 1) + kThickness + "Element allocation exceeded\n"},
        {"the materials overflow", false,
         kRelease + "NUMOFF,NODE,       4\nNUMOFF,ELEM,       1\nNUMOFF,MAT,       1\n" +
             kWarnings + "MPDATA,R5.0, 1,EX  ,       2,  1,  4.0    ,\n" + kMesh,
         counts(4, 1, 1, 1, 1) + kThickness + "Unconverted material data (KXX) \n" +
             "Material allocation exceeded\n"},
        {"-full: the thickness of the elements after the elements", true,
         kRelease + "NUMOFF,NODE,       4\nNUMOFF,ELEM,       1\nNUMOFF,MAT,       1\n" +
             kWarnings + "R,       1,  0.5    ,\n" + kMesh,
         counts(4, 1, 1, 1, 1) + "Element set 1: thickness from the real constants\n" +
             "Unconverted material data (KXX) \nUnconverted boundary condition (ROTZ,) \n"},
    };
    for (const OrderCase& c : cases) {
        std::istringstream archive(c.archive);
        std::ostringstream console, legacy;
        Data dat(console);
        dat.full = c.full;
        std::string stop = "<no stop>";
        try {
            translateArchive(archive, legacy, dat);
        } catch (const FatalError& error) {
            stop = error.what();
        }
        EXPECT_EQ(console.str() + (stop == "<no stop>" ? "" : stop), c.console) << c.name;
    }
}

}  // namespace
