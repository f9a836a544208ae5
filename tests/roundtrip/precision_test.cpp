// No digit lost on the way from an ABAQUS deck or an ANSYS archive to the current file: each
// model goes through its converter with -full and then through inpmigrate, and every value of
// the current file must be the very double that the source text holds. The models carry what
// fracture meshes carry: a crack-tip element 0.04373 wide at x = 12345.67891, loads such as 1/6
// to 17 digits, moduli like 206842.7.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "files.h"
#include "process.h"

namespace {

using zenta_test::readFile;
using zenta_test::runProgram;
using zenta_test::ScratchDir;
using zenta_test::writeFile;

// A value as the source writes it; the current file must hold the double strtod makes of it.
using Literal = const char*;

struct Fixity {
    int node;
    int code;
    Literal value;
};

struct Load {
    int node;
    Literal x;
    Literal y;
};

struct PrecisionCase {
    const char* name;
    const char* converter;  // "abazenta" or "anszenta"
    const char* source;
    std::vector<std::vector<Literal>> nodes;  // x, y of each node line, in order
    std::vector<Literal> material;            // every real of the one material line
    std::vector<Fixity> fixities;
    std::vector<Load> loads;
};

// The same quadrilateral in both sources: 0.04373 wide and high, far from the origin.
const std::vector<std::vector<Literal>> kCrackTipNodes = {{"12345.67891", "2.5"},
                                                          {"12345.72264", "2.5"},
                                                          {"12345.72264", "2.54373"},
                                                          {"12345.67891", "2.54373"}};

const char kDeck[] = R"(*Heading
crack-tip element far from the origin
*Node
1, 12345.67891, 2.5
2, 12345.72264, 2.5
3, 12345.72264, 2.54373
4, 12345.67891, 2.54373
*Element, type=CPS4, elset=PLATE
1, 1, 2, 3, 4
*Solid Section, elset=PLATE, material=STEEL
0.123456789012
*Material, name=STEEL
*Elastic
206842.7, 0.29999999999999999
*Density
7.8500000000000005e-09
*Boundary
1, 1, 2
2, 2, 2, 1.2345678901234567e-05
*Cload
3, 1, 0.16666666666666666
3, 2, -1234567.8901234567
4, 2, 3.3333333333333335e-03
)";

const char kArchive[] =
    R"(/COM,ANSYS RELEASE 2020 R1           BUILD 20.1      UP20191203       11:00:00
/PREP7
NUMOFF,NODE,       4
NUMOFF,ELEM,       1
NUMOFF,MAT ,       1
NUMOFF,TYPE,       1
ET,       1,182
KEYOP,       1,3,     3
R,       1, 0.123456789012    ,
NBLOCK,6,SOLID,         4,         4
(3i9,6e25.16e3)
        1        0        0   1.2345678910000000E+004   2.5000000000000000E+000
        2        0        0   1.2345722640000000E+004   2.5000000000000000E+000
        3        0        0   1.2345722640000000E+004   2.5437300000000000E+000
        4        0        0   1.2345678910000000E+004   2.5437300000000000E+000
N,R5.3,LOC,       -1,
EBLOCK,19,SOLID,         1,         1
(19i9)
        1        1        1        1        0        0        0        0        4        0        1        1        2        3        4
       -1
MPDATA,R5.0, 1,EX  ,       1,  1,  206842.7    ,
MPDATA,R5.0, 1,NUXY,       1,  1,  0.29999999999999999    ,
MPDATA,R5.0, 1,DENS,       1,  1,  7.8500000000000005E-09    ,
D,       1,UX  , 0.00000000    , 0.00000000
D,       1,UY  , 0.00000000    , 0.00000000
D,       2,UY  , 1.2345678901234567E-05    , 0.00000000
F,       3,FX  , 0.16666666666666666    , 0.00000000
F,       3,FY  , -1234567.8901234567    , 0.00000000
F,       4,FY  , 3.3333333333333335E-03    , 0.00000000
)";

const std::vector<PrecisionCase> kCases = {
    {"abaqus_deck",
     "abazenta",
     kDeck,
     kCrackTipNodes,
     // modulus, Poisson's ratio, thickness, toughness 1, density
     {"206842.7", "0.29999999999999999", "0.123456789012", "1", "7.8500000000000005e-09"},
     {{1, 3, "0"}, {2, 5, "1.2345678901234567e-05"}},
     {{3, "0.16666666666666666", "-1234567.8901234567"}, {4, "0", "3.3333333333333335e-03"}}},
    {"ansys_archive",
     "anszenta",
     kArchive,
     kCrackTipNodes,
     // EX, NUXY, thickness from the real constants, toughness 0, DENS, nine zero fields
     {"206842.7", "0.29999999999999999", "0.123456789012", "0", "7.8500000000000005E-09", "0", "0",
      "0", "0", "0", "0", "0", "0", "0"},
     {{1, 1, "0"}, {1, 2, "0"}, {2, 5, "1.2345678901234567E-05"}},
     {{3, "0.16666666666666666", "-1234567.8901234567"}, {4, "0", "3.3333333333333335E-03"}}},
};

// The lines of a file, each split at blanks.
std::vector<std::vector<std::string>> tokenLines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::vector<std::string> tokens;
        for (std::string token; fields >> token;) tokens.push_back(token);
        lines.push_back(tokens);
    }
    return lines;
}

// The real of a current file's token must be exactly the double of the source's text.
void expectSameDouble(const std::string& written, Literal source, const std::string& where) {
    EXPECT_EQ(std::strtod(written.c_str(), nullptr), std::strtod(source, nullptr))
        << where << ": written " << written << ", source " << source;
}

// Translates the source with -full, converts the legacy file, and returns the current file.
std::string currentFileOf(const PrecisionCase& c, const ScratchDir& dir) {
    const std::string legacy = dir.file("legacy.inp");
    if (std::string(c.converter) == "abazenta") {
        const auto run = runProgram(ABAZENTA_EXE, {"-full", "-out", legacy}, c.source);
        EXPECT_EQ(run.status, 0) << run.err;
    } else {
        writeFile(dir.file("model.cdb"), c.source);
        const auto run = runProgram(ANSZENTA_EXE, {"-full", dir.file("model.cdb"), legacy}, "");
        EXPECT_EQ(run.status, 0) << run.out;
    }
    const std::string current = dir.file("current.inp");
    const auto run = runProgram(INPMIGRATE_EXE, {legacy, current}, "");
    EXPECT_EQ(run.status, 0) << run.err;
    return readFile(current);
}

// Walks the current file (title, counts, materials, elements, nodes, sections) and compares
// every real with the source's value.
void checkCurrentFile(const PrecisionCase& c, const std::string& current) {
    const auto lines = tokenLines(current);
    ASSERT_GE(lines.size(), 3u);
    const std::vector<std::string>& counts = lines[1];
    ASSERT_EQ(counts.size(), 4u);
    const size_t nodes = std::stoul(counts[0]), elements = std::stoul(counts[1]);
    ASSERT_EQ(counts[2], "1");
    ASSERT_EQ(nodes, c.nodes.size());

    const std::vector<std::string>& material = lines[2];
    ASSERT_EQ(material.size(), c.material.size() + 1);
    for (size_t i = 0; i < c.material.size(); ++i) {
        expectSameDouble(material[i + 1], c.material[i], "material field " + std::to_string(i));
    }
    size_t at = 3 + elements;
    for (size_t n = 0; n < nodes; ++n, ++at) {
        ASSERT_LT(at, lines.size());
        ASSERT_EQ(lines[at].size(), 3u);
        expectSameDouble(lines[at][1], c.nodes[n][0], "x of node " + std::to_string(n + 1));
        expectSameDouble(lines[at][2], c.nodes[n][1], "y of node " + std::to_string(n + 1));
    }

    ASSERT_LT(at + 1, lines.size());
    ASSERT_EQ(lines[at], std::vector<std::string>{"AFIXITY"});
    ASSERT_EQ(lines[at + 1], std::vector<std::string>{std::to_string(c.fixities.size())});
    at += 2;
    for (const Fixity& fixity : c.fixities) {
        ASSERT_LT(at, lines.size());
        const auto& record = lines[at++];
        ASSERT_EQ(record.size(), 3u);
        EXPECT_EQ(record[0], std::to_string(fixity.node));
        EXPECT_EQ(record[1], std::to_string(fixity.code));
        expectSameDouble(record[2], fixity.value, "fixity of node " + record[0]);
    }

    ASSERT_LT(at + 1, lines.size());
    ASSERT_EQ(lines[at], std::vector<std::string>{"ALOADS"});
    ASSERT_EQ(lines[at + 1], std::vector<std::string>{std::to_string(c.loads.size())});
    at += 2;
    for (const Load& load : c.loads) {
        ASSERT_LT(at, lines.size());
        const auto& record = lines[at++];
        ASSERT_EQ(record.size(), 4u);
        EXPECT_EQ(record[0], std::to_string(load.node));
        EXPECT_EQ(record[1], "1");
        expectSameDouble(record[2], load.x, "x load of node " + record[0]);
        expectSameDouble(record[3], load.y, "y load of node " + record[0]);
    }
    EXPECT_EQ(at, lines.size()) << "lines after the last load record";
}

TEST(Precision, EveryValueReachesTheCurrentFileExactly) {
    for (const PrecisionCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        checkCurrentFile(c, currentFileOf(c, dir));
    }
}

}  // namespace
