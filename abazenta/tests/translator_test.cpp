// Whole runs in-process: what each kind of deck gives, the fixtures in today's shapes, and
// every way a run can fail.
#include "translator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "deck_model.h"
#include "error.h"
#include "files.h"
#include "program.h"

namespace abazenta {
namespace {

using zenta_test::readFile;

const std::string kData = DATA_DIR;

struct RunOutcome {
    int status = 0;
    std::string out;
    std::string err;
};

// The program's run as `main` sees it, on in-memory streams.
RunOutcome run(const std::string& input, const std::vector<std::string>& args = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    RunOutcome result;
    try {
        run_program(args, in, out, err);
    } catch (const TranslationError& error) {
        err << error.what();
        result.status = error.status();
    }
    result.out = out.str();
    result.err = err.str();
    return result;
}

// What a run says after the first scan's counts.
std::string after_counts(const std::string& err) {
    const std::size_t second = err.find("Starting second scan of the input file...\n");
    return second == std::string::npos ? err : err.substr(second + 42);
}

// The fixities and loads of a legacy file.
std::string conditions(const std::string& out) {
    std::size_t start = out.find("AFIXITY\n");
    if (start == std::string::npos) start = out.find("ALOADS\n");
    return start == std::string::npos ? "" : out.substr(start);
}

constexpr char kFinished[] = "Finished scanning input file...\n";

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// A legacy file against the one expected: every byte, except that the forces of the ALOADS
// records may differ by 1e-12 of the largest force. Consistent nodal forces carry the rounding
// of their integration, and the expected values are worked out by hand.
void expect_legacy_file(const std::string& actual, const std::string& expected,
                        const std::string& name) {
    const std::size_t loads = expected.find("ALOADS\n");
    EXPECT_EQ(actual.substr(0, loads), expected.substr(0, loads)) << name;
    if (loads == std::string::npos) return;
    std::istringstream actual_lines(actual.substr(std::min(loads, actual.size())));
    std::istringstream expected_lines(expected.substr(loads));
    std::vector<std::vector<std::string>> got, want;
    for (std::string line; std::getline(actual_lines, line);) got.push_back(words(line));
    for (std::string line; std::getline(expected_lines, line);) want.push_back(words(line));
    ASSERT_EQ(got.size(), want.size()) << name << "\n" << actual;
    double largest = 0.0;
    for (std::size_t i = 2; i < want.size(); ++i)
        for (std::size_t f = 2; f < want[i].size(); ++f)
            largest = std::max(largest, std::fabs(std::stod(want[i][f])));
    for (std::size_t i = 0; i < want.size(); ++i) {
        ASSERT_EQ(got[i].size(), want[i].size()) << name << " line " << i;
        for (std::size_t f = 0; f < want[i].size(); ++f) {
            if (i < 2 || f < 2)
                EXPECT_EQ(got[i][f], want[i][f]) << name << " line " << i;
            else
                EXPECT_NEAR(std::stod(got[i][f]), std::stod(want[i][f]), 1e-12 * largest)
                    << name << " line " << i;
        }
    }
}

TEST(AbazentaRun, PlateFixtureGivesTheExpectedFileAndMessages) {
    const RunOutcome result = run(readFile(kData + "/plate.inp"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, readFile(kData + "/plate_legacy.inp"));
    EXPECT_EQ(result.err, readFile(kData + "/plate_stderr.txt"));
}

// Decks in the shapes that today's tools write, each translated in both modes byte for byte.
TEST(AbazentaFixtures, EachDeckGivesItsFileAndMessagesInBothModes) {
    const struct {
        std::string deck;  // <deck>.inp, expected <deck>[_full]_legacy.inp and _stderr.txt
        int status;
    } cases[] = {
        {"cae_plates", 0},      // parts, instances, assembly sets, sets on *Boundary and *Cload
        {"flat_lowercase", 0},  // no parts, lower-case keywords, sets naming sets
        {"include_main", 0},    // the mesh in an *INCLUDE file
        {"solid_c3d10", 1},     // a continued C3D10 line: three-dimensional
        {"node_input", 0},      // nodes and elements from INPUT= files
        // Distributed loads, worked out by hand (see the README of the fixtures).
        {"strip_cps4", 0},       // *Dload P3 on a strip of CPS4 elements
        {"face_cps8", 0},        // *Dsload P on a slanted CPS8 face: pL/6, 2pL/3, pL/6
        {"faces_triangles", 0},  // P2 on a clockwise CPS3 and on a CPS6
        {"ring_cax8", 0},        // pressure inside and on top of a CAX8 ring: 2 pi r
        {"gravity_cps8", 0},     // GRAV on every element: -W/12 and W/3
        {"cae_traction", 0},     // TRSHR and TRVEC on surfaces of parts and of the assembly
        {"two_steps", 0},        // steps, OP=NEW, amplitudes, a replaced *Cload
    };
    for (const auto& c : cases) {
        for (const bool full : {false, true}) {
            const std::string name = c.deck + (full ? "_full" : "");
            std::vector<std::string> args = {"-in", kData + "/" + c.deck + ".inp"};
            if (full) args.push_back("-full");
            const RunOutcome result = run("", args);
            EXPECT_EQ(result.status, c.status) << name;
            expect_legacy_file(result.out,
                               c.status == 0 ? readFile(kData + "/" + name + "_legacy.inp") : "",
                               name);
            EXPECT_EQ(result.err, readFile(kData + "/" + name + "_stderr.txt")) << name;
        }
    }
}

// Line ends, spacing and the case of keywords and parameters change nothing.
TEST(AbazentaRun, VariantsOfThePlateGiveTheSameFile) {
    const std::string expected = readFile(kData + "/plate_legacy.inp");
    for (const char* variant : {"plate_crlf.inp", "plate_compact.inp", "lowercase_keywords.inp"}) {
        const RunOutcome result = run(readFile(kData + "/" + variant));
        EXPECT_EQ(result.status, 0) << variant;
        EXPECT_EQ(result.out, expected) << variant;
        EXPECT_EQ(after_counts(result.err), after_counts(readFile(kData + "/plate_stderr.txt")));
    }
    // The same model without a line end after its last line.
    std::string unterminated = readFile(kData + "/plate.inp");
    unterminated.pop_back();
    EXPECT_EQ(run(unterminated).out, expected);
}

// An input whose first line opens a *CLOAD block: the first scan drops that line and does not
// count the block; its loads name nodes not yet defined and are ignored, and the loads of a
// later block are all stored.
TEST(AbazentaRun, OpeningCloadBlockIsUncountedAndItsLoadsIgnored) {
    const RunOutcome result = run(readFile(kData + "/cload_first_line.inp"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, readFile(kData + "/cload_first_line_legacy.inp"));
    EXPECT_EQ(result.err,
              "Starting first scan of the input file...\n*NODE\nfound:\n\t3\tnodes\n\t1\telements\n"
              "Starting second scan of the input file...\nLoad on undefined node 1 ignored\n"
              "Finished scanning input file...\n");

    std::string loads = "*CLOAD\n";
    for (int i = 0; i < 50; ++i) loads += std::to_string(1 + i % 3) + ", 1, 1.\n";
    const std::string model =
        "*NODE\n1, 0, 0\n2, 1, 0\n3, 0, 1\n*ELEMENT, TYPE=CPS3, ELSET=SET1\n1,1,2,3\n";
    const RunOutcome merged = run(loads + model + loads);
    EXPECT_EQ(merged.status, 0);
    EXPECT_EQ(conditions(merged.out), "ALOADS\n3\n1 1 17 0\n2 1 17 0\n3 1 16 0\n");
}

// The report counts nothing of a *NODE block that opens the input, the second scan stores it all.
TEST(AbazentaRun, NodeBlockOnTheFirstLineIsStoredThoughNotCounted) {
    const RunOutcome result =
        run("*NODE\n1, 0, 0\n2, 1, 0\n3, 0, 1\n*ELEMENT, TYPE=CPS3, ELSET=SET1\n1, 1, 2, 3\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              "Starting first scan of the input file...\n2  1  0\n3  0  1\n"
              "*ELEMENT TYPE=CPS3 ELSET=SET1\nfound:\n\t0\tnodes\n\t1\telements\n"
              "Starting second scan of the input file...\nFinished scanning input file...\n");
    EXPECT_EQ(result.out.substr(0, 25), "zenta input file\n3 1 1 1\n");
}

const std::string kSquare =
    "** square\n*NODE\n1, 0, 0\n2, 1, 0\n3, 1, 1\n4, 0, 1\n*ELEMENT, TYPE=CPS4\n1, 1, 2, 3, 4\n";

// A part instanced twice: I1 as it is (nodes 1 to 3), I2 moved by 5 in x (nodes 4 to 6).
const std::string kParts =
    "** parts\n*Part, name=P\n*Node\n1, 0, 0\n2, 1, 0\n3, 0, 1\n*Element, type=CPS3\n1, 1, 2, 3\n"
    "*Nset, nset=Left\n1, 3\n*End Part\n*Assembly, name=A\n*Instance, name=I1, part=P\n"
    "*End Instance\n*Instance, name=I2, part=P\n5., 0., 0.\n*End Instance\n"
    "*Nset, nset=Left, instance=I2\n2\n*End Assembly\n";

// Sets by name, in their scopes: what *BOUNDARY and *CLOAD lines on them fix and load, and
// what is said of names that nothing defines.
TEST(AbazentaRun, BoundariesAndLoadsOnSetsInTheirScopes) {
    const struct {
        std::string deck;
        std::string conditions;
        std::string messages;  // between the second scan and its end
    } cases[] = {
        {kSquare + "*NSET, NSET=A, GENERATE\n1, 4, 3\n*BOUNDARY\nA, 1, 2\n",
         "AFIXITY\n2\n1 3 0.0\n4 3 0.0\n", ""},
        // A name given again adds to its set; each node of a set is loaded once.
        {kSquare + "*NSET, NSET=A\n4, 2\n*Nset, nset=a\n2, 3\n*CLOAD\nA, 1, 1.\n",
         "ALOADS\n3\n4 1 1 0\n2 1 1 0\n3 1 1 0\n", ""},
        {kSquare + "*NSET, NSET=B\n1\n*NSET, NSET=A\nB, 3\n*NSET, NSET=C\nD, 2\n*BOUNDARY\nA, 2\n",
         "AFIXITY\n2\n1 2 0.0\n3 2 0.0\n", "Set D is not defined, left out of set C\n"},
        {kSquare + "*NSET, NSET=A\n1, 9\n*BOUNDARY\nA, 1\nLEFT, 1\n7, 2\n*CLOAD\n8, 1, 1.\n",
         "AFIXITY\n1\n1 1 0.0\n",
         "Boundary condition on undefined node 9 ignored\nNode set LEFT is not defined, line "
         "ignored\nBoundary condition on undefined node 7 ignored\nLoad on undefined node 8 "
         "ignored\n"},
        {"** x\n*NODE, NSET=N\n5, 2, 2\n6, 3, 2\n7, 3, 3\n*ELEMENT, TYPE=CPS3, ELSET=E\n1, 5, 6, "
         "7\n"
         "*BOUNDARY\nN, 1\n",
         "AFIXITY\n3\n1 1 0.0\n2 1 0.0\n3 1 0.0\n", ""},
        // An unqualified name is the assembly's set; "Inst.Name" a set of the instance's part.
        {kParts + "*Boundary\nLeft, 1, 1\n", "AFIXITY\n1\n5 1 0.0\n", ""},
        {kParts + "*Boundary\nI1.Left, 2, 2\nI2.3, 1, 2\n",
         "AFIXITY\n3\n1 2 0.0\n3 2 0.0\n6 3 0.0\n", ""},
        {kParts + "*Nset, nset=Both\nI1.Left, Left\n*Cload\nBoth, 2, -1.\n",
         "ALOADS\n3\n1 1 0 -1\n3 1 0 -1\n5 1 0 -1\n", ""},
        {kParts + "*Boundary\nI3.Left, 1\nI1.9, 1\n4, 1\n*Nset, nset=S, instance=I9\n1\n", "",
         "Node set I3.Left is not defined, line ignored\nBoundary condition on undefined node 9 "
         "ignored\nBoundary condition on undefined node 4 ignored\nInstance I9 is not defined, "
         "left out of set S\n"},
        // "Inst.12" in an assembly set is node 12 of the instance.
        {kParts + "*Nset, nset=Pick\nI2.3, I1.1, I1.9, I9.2\n*Boundary\nPick, 1\n",
         "AFIXITY\n2\n1 1 0.0\n6 1 0.0\n",
         "Set I9.2 is not defined, left out of set Pick\nBoundary condition on undefined node 9 "
         "ignored\n"},
        // *NSET, ELSET= holds the nodes of the elements of the element sets named, once each.
        {kSquare + "*ELSET, ELSET=E\n1\n*NSET, NSET=N, ELSET=E\n*BOUNDARY\nN, 2\n",
         "AFIXITY\n4\n1 2 0.0\n2 2 0.0\n3 2 0.0\n4 2 0.0\n", ""},
        {kParts + "*Elset, elset=E\nI2.1\n*Elset, elset=F, instance=I1\n1\n"
                  "*Nset, nset=N, elset=E\nF, G, E\n*Cload\nN, 1, 2.\n",
         "ALOADS\n6\n4 1 2 0\n5 1 2 0\n6 1 2 0\n1 1 2 0\n2 1 2 0\n3 1 2 0\n",
         "Set G is not defined, left out of set N\n"},
    };
    for (const auto& c : cases) {
        const RunOutcome result = run(c.deck);
        EXPECT_EQ(result.status, 0) << c.deck << result.err;
        EXPECT_EQ(conditions(result.out), c.conditions) << c.deck;
        EXPECT_EQ(after_counts(result.err), c.messages + kFinished) << c.deck;
    }
}

// *BOUNDARY values other than 0: a warning by default, prescribed displacements with -full;
// a later line wins.
TEST(AbazentaRun, NonZeroBoundaryValuesAreIgnoredOrPrescribed) {
    const std::string deck = kSquare + "*BOUNDARY\n1, 1, 2\n1, 2, 2, 0.5\n2, 1, 1, -1.\n2, 1\n";
    const RunOutcome plain = run(deck);
    EXPECT_EQ(conditions(plain.out), "AFIXITY\n2\n1 3 0.0\n2 1 0.0\n");
    EXPECT_EQ(after_counts(plain.err),
              "cannot handle non zero displacements, ignoring"
              "cannot handle non zero displacements, ignoring" +
                  std::string(kFinished));
    const RunOutcome full = run(deck, {"-full"});
    EXPECT_EQ(conditions(full.out), "AFIXITY\n3\n1 1 0.0\n1 5 0.5\n2 1 0.0\n");
    EXPECT_EQ(after_counts(full.err), kFinished + std::string("1 elements have no section\n"));
}

// Nodes of instances: translated, then turned about an axis parallel to z (whole quarter
// turns exactly); an axis out of the plane stops, an angle of 0 turns nothing.
TEST(AbazentaRun, InstancesPlaceTheirPartsInTurn) {
    const std::string part =
        "** x\n*Part, name=P\n*Node\n1, 1, 0\n2, 2, 0\n3, 1, 1\n*Element, type=CPS3\n1, 1, 2, 3\n"
        "*End Part\n*Instance, name=I, part=P\n";
    const struct {
        std::string placement;
        std::string nodes;
    } cases[] = {
        {"", "    1 1.000000e+00 0.000000e+00\n    2 2.000000e+00 0.000000e+00\n"},
        {"5., 0., 0.\n0., 0., 0., 0., 0., 0.\n", "    1 6.000000e+00 0.000000e+00\n"},
        {"0., 0., 0.\n0., 0., 0., 1., 0., 0., 0.\n", "    1 1.000000e+00 0.000000e+00\n"},
        {"5., 0., 0.\n5., 0., 0., 5., 0., 1., 90.\n",
         "    1 5.000000e+00 1.000000e+00\n    2 5.000000e+00 2.000000e+00\n"
         "    3 4.000000e+00 1.000000e+00\n"},
        {"0., 0., 0.\n0., 0., 2., 0., 0., -1., 90.\n", "    1 0.000000e+00 -1.000000e+00\n"},
        {"0., 0., 0.\n0., 0., 0., 0., 0., 1., -540.\n", "    1 -1.000000e+00 0.000000e+00\n"},
        {"0., 0., 0.\n0., 0., 0., 0., 0., 1., 45.\n", "    1 7.071068e-01 7.071068e-01\n"},
    };
    for (const auto& c : cases) {
        const RunOutcome result = run(part + c.placement + "*End Instance\n");
        EXPECT_EQ(result.status, 0) << c.placement;
        EXPECT_NE(result.out.find("\n" + c.nodes), std::string::npos) << c.placement << result.out;
    }
    for (const char* axis : {"0., 0., 0., 1., 0., 1., 30.\n", "1., 1., 1., 1., 1., 1., 30.\n"}) {
        const RunOutcome result = run(part + "0., 0., 0.\n" + axis + "*End Instance\n");
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(after_counts(result.err), "Instance I is rotated out of the plane\n");
    }
}

// A part that no instance uses is not translated, and only instances are, when a deck has parts.
TEST(AbazentaRun, OnlyInstancesOfPartsAreTranslated) {
    const RunOutcome result =
        run(kParts +
            "*Part, name=Unused\n*Node\n1, 0, 0, 0\n*Element, type=C3D4\n1, 1, 1, 1, 1\n"
            "*End Part\n*Node\n99, 7, 7\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.substr(0, 25), "zenta input file\n6 2 1 1\n");
    const RunOutcome no_instance = run("** x\n*Part, name=P\n*Node\n1, 0, 0\n*End Part\n");
    EXPECT_EQ(after_counts(no_instance.err),
              std::string(kFinished) + "No nodes or elements found in the input\n");
}

// What is not translated is said after the scans, and then the stops, in this order.
TEST(AbazentaRun, SaysWhatIsNotTranslatedThenStops) {
    const std::string nodes = "** x\n*NODE\n1, 0, 0\n2, 1, 0\n3, 0, 1\n";
    const struct {
        std::string deck;
        int status;
        std::string said;  // after the second scan's end
    } cases[] = {
        {nodes + "*Element, type=CPS3\n1, 1, 2, 3\n*Dload\n1, P, 1.\n2, P, 1.\n*Dflux\n*DLOAD\n"
                 "\n*Initial Conditions, type=stress\n*Element, type=B21\n2, 1, 2\n"
                 "*Element, type=T2D2\n3, 1, 2\n4, 2, 3\n*Element, type=b21\n5, 2, 3\n",
         0,
         "3 *DLOAD lines not translated\n1 *DFLUX lines not translated\n"
         "1 *INITIAL CONDITIONS lines not translated\n"
         "Element type B21 is not a plane element: 2 elements skipped\n"
         "Element type T2D2 is not a plane element: 2 elements skipped\n"},
        {nodes + "*Element, type=CPS3\n1, 1, 2, 9\n*Element, type=C3D4\n2, 1, 2, 3, 9\n"
                 "*Tie, name=T\nA, B\n*Element, type=SPRING1\n3, 1\n",
         1,
         "1 *TIE lines not translated\n"
         "Element type SPRING1 is not a plane element: 1 elements skipped\n"
         "The model is three-dimensional (element type C3D4); only plane models are "
         "translated\n"},
        {nodes + "*Element, type=CPS3\n1, 1, 2, 3\n7, 1, 2, 99\n", 1,
         "Element 7 uses undefined node 99\n"},
        {nodes + "*Element, type=T3D2\n1, 1, 2\n", 1,
         "Element type T3D2 is not a plane element: 1 elements skipped\n"
         "No nodes or elements found in the input\n"},
        {nodes + "*Element, type=CPS3\n1, 1, 2, 3\n*Element, type=C3D8\n", 0, ""},
        // *BOUNDARY lines of velocities and accelerations are not displacements.
        {nodes + "*Element, type=CPS3\n1, 1, 2, 3\n*Boundary, type=VELOCITY\n1, 1, 1, 2.\n"
                 "2, 1, 2\n\n*Dload\n1, P, 1.\n*Boundary, type=Acceleration\n3, 1\n"
                 "*BOUNDARY, TYPE=velocity\n3, 2\n*Boundary, type=displacement\n1, 2\n",
         0,
         "3 *BOUNDARY lines of TYPE=VELOCITY not translated\n1 *DLOAD lines not translated\n"
         "1 *BOUNDARY lines of TYPE=ACCELERATION not translated\n"},
    };
    for (const auto& c : cases) {
        const RunOutcome result = run(c.deck);
        EXPECT_EQ(result.status, c.status) << c.deck;
        EXPECT_EQ(after_counts(result.err), kFinished + c.said) << c.deck;
        EXPECT_EQ(result.out.empty(), c.status != 0) << c.deck;
    }
    // Only the displacement block fixes anything.
    const RunOutcome types = run(cases[5].deck);
    EXPECT_EQ(conditions(types.out), "AFIXITY\n1\n1 2 0.0\n");
}

// A CPS4 of 2 x 1 (element 1, set E) beside a CPS3 (element 2, set T) and a beam (element 3),
// in a section of density 2, and the top face of the CPS4 as surface Top.
const std::string kLoaded =
    "** x\n*NODE\n1, 0, 0\n2, 2, 0\n3, 2, 1\n4, 0, 1\n5, 4, 0\n"
    "*ELEMENT, TYPE=CPS4, ELSET=E\n1, 1, 2, 3, 4\n*ELEMENT, TYPE=CPS3, ELSET=T\n2, 2, 5, 3\n"
    "*ELEMENT, TYPE=T2D2\n3, 2, 5\n*ELSET, ELSET=Beams\n3\n"
    "*SOLID SECTION, ELSET=E, MATERIAL=M\n*SOLID SECTION, ELSET=T, MATERIAL=M\n"
    "*MATERIAL, NAME=M\n*DENSITY\n2.\n*ELASTIC\n100., 0.3\n*SURFACE, NAME=Top\nE, S3\n";

// With -full: which lines of *CLOAD, *DSLOAD and *DLOAD become forces, and what is said of
// the others, during the scan and after it.
TEST(AbazentaRun, FullTranslatesDistributedLoadsAndSaysWhatItCannot) {
    const std::string skipped = "Element type T2D2 is not a plane element: 1 elements skipped\n";
    const struct {
        std::string name;
        std::string deck;
        std::string during;          // between the second scan and its end
        std::string not_translated;  // after it, before the element types skipped
        std::string not_written;     // after those
        std::string conditions;      // forces to within 1e-12 of the largest
    } cases[] = {
        {"directions other than 1 and 2",
         kLoaded + "*STEP\n*STATIC\n*CLOAD\n1, 3, 5.\n2, 6, 1.\n4, 2, 1.\n*END STEP\n", "",
         "2 *CLOAD lines not translated\n", "", "ALOADS\n1\n4 1 0 1\n"},
        {"labels not translated",
         kLoaded + "*DLOAD\nE, P, 1.\nE, HP, 1., 2.\nE, PNU, 1.\n, P1, 1.\n\n*DLOAD\n*DSLOAD\n"
                   "Top, TRSHRNU, 1.\n",
         "", "4 *DLOAD lines not translated\n1 *DSLOAD lines not translated\n", "", ""},
        {"undefined names", kLoaded + "*DSLOAD\nNone, P, 1.\n*DLOAD\nNone, P1, 1.\n",
         "Surface None is not defined, line ignored\n"
         "Element set None is not defined, line ignored\n",
         "", "", ""},
        // A beam, an undefined element and face 4 of a triangle are not written.
        {"not written", kLoaded + "*DLOAD\nBeams, BX, 1.\n3, BY, 1.\n99, P1, 2.\nT, P4, 1.\n", "",
         "", "4 load lines on nodes or elements that are not written\n", ""},
        // Faces other than S1 to S4 are said once per surface; a face listed twice is loaded
        // once, two lines of one step add up: 1 x 2 / 2 on each node of the bottom face, twice.
        {"surfaces",
         kLoaded + "*SURFACE, NAME=Mixed\nE, SPOS\nE, S1\n1, S1\n*SURFACE, TYPE=NODE, NAME=Nodes\n"
                   "1, 1.\n*SURFACE, NAME=Gap\nUnknown, S2\n*DSLOAD\nMixed, P, 1.\n"
                   "Mixed, P, 1.\nNodes, P, 2.\nGap, P, 1.\n",
         "Set Unknown is not defined, left out of surface Gap\n"
         "Surface Mixed: faces other than S1 to S4 are not translated\n"
         "Surface Nodes: faces other than S1 to S4 are not translated\n",
         "", "", "ALOADS\n2\n1 1 0 2\n2 1 0 2\n"},
        // 2 x 3 (x, y) on the 2 x 1 square: node 1 gets 6 (1/3, 1/6), the integrals of N1 x and
        // N1 y, and so on; an axis along y does not suit a plane element.
        {"centrifugal",
         kLoaded + "*DLOAD\nE, CENTRIF, 3., 0., 0., 0., 0., 0., 1.\n"
                   "E, CENTRIF, 3., 0., 0., 0., 0., 1., 0.\n",
         "", "1 *DLOAD lines not translated\n", "",
         "ALOADS\n4\n1 1 2 1\n2 1 4 1\n3 1 4 2\n4 1 2 2\n"},
        // Total time 3.5 at the end of the second step: amplitude T gives 3.5.
        {"amplitudes",
         kLoaded + "*AMPLITUDE, NAME=T, TIME=TOTAL TIME\n0., 0., 4., 4.\n*STEP\n*STATIC\n1., 3.\n"
                   "*END STEP\n*STEP\n*STATIC\n0.1, 0.5\n*CLOAD, AMPLITUDE=T\n4, 2, 1.\n"
                   "*CLOAD, AMPLITUDE=Nope\n4, 1, 1.\n*BOUNDARY, AMPLITUDE=t\n1, 1, 1, 2.\n"
                   "*END STEP\n",
         "Amplitude Nope is not defined: full magnitude used\n", "", "",
         "AFIXITY\n1\n1 4 7\nALOADS\n1\n4 1 1 3.5\n"},
    };
    for (const auto& c : cases) {
        const RunOutcome result = run(c.deck, {"-full"});
        EXPECT_EQ(result.status, 0) << c.name << result.err;
        EXPECT_EQ(after_counts(result.err),
                  c.during + kFinished + c.not_translated + skipped + c.not_written)
            << c.name;
        expect_legacy_file(conditions(result.out), c.conditions, c.name);
    }
}

// The forces of the loads are worked out while the mesh is written when the writer writes
// every element, before it otherwise: either way what the loads say comes before what the
// writer says, and the loads are the same.
TEST(AbazentaRun, FullLoadMessagesComeBeforeTheWritersWarnings) {
    const std::string deck_start =
        "*NODE\n1, 0., 0.\n2, 1., 0.\n3, 1., 1.\n4, 0., 1.\n5, 2., 0.\n6, 2., 1.\n"
        "*ELEMENT, TYPE=CPS4, ELSET=PLATE\n1, 1, 2, 3, 4\n";
    const std::string deck_end =
        "*SOLID SECTION, ELSET=PLATE, MATERIAL=STEEL\n2.\n*MATERIAL, NAME=STEEL\n*ELASTIC\n"
        "210000., 0.3\n*STEP\n*STATIC\n*DLOAD\nPLATE, BY, -3.\n, GRAV, 9.81, 0., -1., 0.\n"
        "*END STEP\n";
    const struct {
        const char* name;
        std::string second_element;
        std::string after_finished;
        std::string loads;  // BY -3 on unit squares 2 thick: -1.5 on each corner of each
    } cases[] = {
        {"every element written", "2, 2, 5, 6, 3\n",
         "2 elements under GRAV or CENTRIF have no density\n",
         "ALOADS\n6\n1 1 0 -1.5\n2 1 0 -3\n3 1 0 -3\n4 1 0 -1.5\n5 1 0 -1.5\n6 1 0 -1.5\n"},
        {"an element of five nodes", "2, 2, 5, 6, 3, 1\n",
         "1 elements under GRAV or CENTRIF have no density\nSkipping element 1 5\n",
         "ALOADS\n4\n1 1 0 -1.5\n2 1 0 -1.5\n3 1 0 -1.5\n4 1 0 -1.5\n"},
    };
    for (const auto& c : cases) {
        const RunOutcome result =
            run(deck_start + c.second_element + deck_end, {"-full", "-quiet"});
        EXPECT_EQ(result.status, 0) << c.name;
        EXPECT_EQ(after_counts(result.err), kFinished + c.after_finished) << c.name;
        expect_legacy_file(conditions(result.out), c.loads, c.name);
    }
}

// Surfaces and element sets of instances: "Inst.Name" and "Inst.12" name those of an
// instance; the loads act on the placed copies. A pressure of 1 on the bottom face (1 long) of
// both triangles, then BX 2 on the triangle of I2 (area 1/2): 1/3 on each of its nodes.
TEST(AbazentaRun, FullLoadsSurfacesAndSetsOfInstances) {
    const RunOutcome result =
        run(kParts +
                "*Elset, elset=Both\nI1.1, I2.1\n*Surface, name=Both\nBoth, S1\n*Step\n"
                "*Static\n*Dsload\nBoth, P, 1.\nI1.Missing, P, 1.\n*Dload\nI2.1, BX, 2.\n"
                "*End Step\n",
            {"-full"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(after_counts(result.err), "Surface I1.Missing is not defined, line ignored\n" +
                                            std::string(kFinished) +
                                            "2 elements have no section\n");
    expect_legacy_file(conditions(result.out),
                       "ALOADS\n5\n1 1 0 0.5\n2 1 0 0.5\n4 1 0.3333333333333333 0.5\n"
                       "5 1 0.3333333333333333 0.5\n6 1 0.3333333333333333 0\n",
                       "instances");
}

// With -full: a material line per section with the values of its material, the problem type
// from the element types, and what cannot be given so.
TEST(AbazentaRun, FullTranslationGivesMaterialsAndProblemType) {
    const std::string mesh =
        "** x\n*NODE\n1, 0, 0\n2, 1, 0\n3, 0, 1\n4, 1, 1\n*ELEMENT, TYPE=CAX3, ELSET=A\n1, 1, 2, "
        "3\n"
        "*ELEMENT, TYPE=CAX3, ELSET=B\n2, 2, 4, 3\n*ELEMENT, TYPE=DCC2D3\n3, 1, 4, 3\n";
    const std::string materials =
        "*MATERIAL, NAME=Steel\n*DENSITY\n7.8e-9\n*ELASTIC\n2.1e5, 0.3\n"
        "*MATERIAL, NAME=Cork\n*ELASTIC, TYPE=ENGINEERING CONSTANTS\n1, 2, 3, 4, 5, 6, 7, 8, 9\n"
        "*DENSITY\n2e-10\n";
    const RunOutcome result =
        run(mesh + materials +
                "*SOLID SECTION, ELSET=A, MATERIAL=steel\n2.5\n*SHELL SECTION, ELSET=B, "
                "MATERIAL=Cork\n*MEMBRANE SECTION, ELSET=A, MATERIAL=Air\n,\n"
                "*SOLID SECTION, ELSET=B, MATERIAL=Cork\n",
            {"-full"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.substr(0, result.out.find("    1    3")),
              "zenta input file\n4 3 5 0\n"
              "    1 210000 0.3 2.5 1 7.8e-09\n"
              "    1 3e+07 0.3 1 1 2e-10\n"
              "    1 3e+07 0.3 1 1 0\n"
              "    1 3e+07 0.3 1 1 2e-10\n"
              "    1 3e+07 0.3 1 1 1\n");
    EXPECT_NE(result.out.find("\n    2    4    2"), std::string::npos);  // the later section
    EXPECT_NE(result.out.find("\n    3    5    1"), std::string::npos);  // no section
    EXPECT_EQ(after_counts(result.err),
              std::string(kFinished) +
                  "Material Cork: no isotropic elasticity, the fixed values are used\n"
                  "Material Air: no isotropic elasticity, the fixed values are used\n"
                  "1 elements have no section\n");

    const RunOutcome mixed =
        run("** x\n*NODE\n1, 0, 0\n2, 1, 0\n3, 0, 1\n*ELEMENT, TYPE=CPS3\n1, 1, 2, 3\n"
            "*ELEMENT, TYPE=S3R\n2, 1, 2, 3\n*ELEMENT, TYPE=CPE3\n3, 1, 2, 3\n",
            {"-full"});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(
        after_counts(mixed.err),
        std::string(kFinished) + "Element types CPS3 and CPE3 need different problem types\n");
}

// With -full every value of 8 to 17 significant digits comes through as the same double; the
// default mode keeps its historic formats.
TEST(AbazentaRun, FullKeepsEveryDigitOfCoordinatesPropertiesAndLoads) {
    const std::string deck =
        "** x\n*NODE\n1, 12345.67891, 0.\n2, 12345.72264, 0.\n3, 12345.67891, 0.04373\n"
        "*ELEMENT, TYPE=CPS3, ELSET=A\n1, 1, 2, 3\n*SOLID SECTION, ELSET=A, MATERIAL=M\n"
        "0.16666666666666666\n*MATERIAL, NAME=M\n*ELASTIC\n206842.7, 0.29999999999999999\n"
        "*BOUNDARY\n1, 1, 1, 1.2345678901234567e-3\n*CLOAD\n3, 2, -0.16666666666666666\n";
    const RunOutcome full = run(deck, {"-full"});
    EXPECT_EQ(full.out,
              "zenta input file\n3 1 1 1\n"
              "    1 206842.7 0.3 0.16666666666666666 1 0\n"
              "    1    1    1    5    2    5    3    5\n"
              "    1 12345.67891 0\n    2 12345.72264 0\n    3 12345.67891 0.04373\n"
              "AFIXITY\n1\n1 4 0.0012345678901234567\n"
              "ALOADS\n1\n3 1 0 -0.16666666666666666\n");
    const RunOutcome plain = run(deck);
    EXPECT_EQ(plain.out.substr(plain.out.find("    1 1.2")),
              "    1 1.234568e+04 0.000000e+00\n    2 1.234572e+04 0.000000e+00\n"
              "    3 1.234568e+04 4.373000e-02\nALOADS\n1\n3 1 0 -0.166667\n");
}

// Runs that cannot be translated: exact messages after the progress lines, nothing written.
TEST(AbazentaRun, FailingInputsStopWithTheirMessageAndStatus) {
    const std::string nodes = "*NODE\n1, 0, 0\n2, 1, 0\n3, 0, 1\n";
    const std::string triangle = "*ELEMENT, TYPE=CPS3, ELSET=SET1\n1, 1, 2, 3\n";
    const std::string second = "Starting second scan of the input file...\n";
    const std::string nothing =
        std::string(kFinished) + "No nodes or elements found in the input\n";
    const struct {
        std::string name;
        std::string input;
        std::string err_tail;  // stderr after the "found:" counts
    } cases[] = {
        {"empty input", "", second + nothing},
        {"nodes only", "** x\n" + nodes, second + nothing},
        {"elements only", "** x\n" + triangle,
         second + kFinished + "Element 1 uses undefined node 1\n"},
        {"only elements that cannot be written",
         "** x\n" + nodes + "*ELEMENT, TYPE=XX, ELSET=SET1\n1, 1, 2\n2, 1, 2, 3, 1, 2\n",
         second + nothing},
        {"load direction 3", "** x\n" + nodes + triangle + "*CLOAD\n1, 3, 5.\n",
         second + "Unrecognized Nodal Force direction : 3\n1  3  5.\n\n"},
        {"load direction on an undefined set", "** x\n" + nodes + triangle + "*CLOAD\nTIP, 6, 5.",
         second + "Unrecognized Nodal Force direction : 6\nTIP  6  5.\n"},
        {"undefined part", "** x\n*Instance, name=I-1, part=Q\n",
         second + "Part Q of instance I-1 is not defined\n"},
        {"set too large", "** x\n*NSET, NSET=A, GENERATE\n1, 2000000000\n",
         second + "Sets list more than 4000000 numbers; the model is too large for the "
                  "translator\n"},
        {"included file missing", "** x\n*INCLUDE, INPUT=" + kData + "/absent.inp\n",
         "Included file " + kData + "/absent.inp could not be read\n"},
        {"node file missing", "** x\n" + nodes + "*NODE, INPUT=" + kData + "/absent.dat\n",
         "Included file " + kData + "/absent.dat could not be read\n"},
    };
    for (const auto& c : cases) {
        const RunOutcome result = run(c.input);
        EXPECT_EQ(result.status, 1) << c.name;
        EXPECT_EQ(result.out, "") << c.name;
        const std::size_t counts = result.err.find("found:\n");
        const std::size_t after = counts == std::string::npos
                                      ? result.err.find("...\n") + 4
                                      : result.err.find("\telements\n", counts) + 10;
        EXPECT_EQ(result.err.substr(after), c.err_tail) << c.name;
    }
}

TEST(AbazentaRun, TableFullStopsEndWithStatusOne) {
    std::string input = "** x\n*NODE\n";
    for (int n = 1; n <= MAX_NODES + 1; ++n) input += std::to_string(n) + ", 0, 0\n";
    RunOutcome result = run(input);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "Starting first scan of the input file...\nfound:\n\t200001\tnodes\n\t0\telements\n"
              "Starting second scan of the input file...\n"
              "Too many nodes for translator! \nchange the parameter MAX_NODES, and try again\n");

    input = "** x\n*NODE\n1, 0, 0\n2, 1, 0\n3, 0, 1\n*ELEMENT, TYPE=CPS3, ELSET=SET1\n";
    for (int e = 1; e <= MAX_ELEM + 1; ++e) input += std::to_string(e) + ", 1, 2, 3\n";
    result = run(input);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(after_counts(result.err),
              "Too many elements!\nChange the size of MAX_ELEM, and try again\n");

    // Instances of one part together beyond the limit.
    input = "** x\n*Part, name=P\n*Node\n";
    for (int n = 1; n <= MAX_NODES / 2 + 1; ++n) input += std::to_string(n) + ", 0, 0\n";
    input += "*End Part\n*Instance, name=A, part=P\n*Instance, name=B, part=P\n";
    result = run(input);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(
        after_counts(result.err),
        std::string(kFinished) +
            "Too many nodes for translator! \nchange the parameter MAX_NODES, and try again\n");
}

// Loads whose keyword has lines in one step only are applied as they are read; with lines in
// several steps the step rules sort out the lines in force. Both give the same bytes for the
// same loads in force: the face load of the model data is removed by OP=NEW, the gravity of
// the first step replaced by that of the second.
TEST(AbazentaRun, FullLoadsInForceAreTheSameWhicheverWayTheyAreSorted) {
    const std::string mesh = readFile(kData + "/gravity_cps8.inp");
    const std::string model = mesh.substr(0, mesh.find("*Step"));
    const std::string one_step = model +
                                 "*Step\n*Static\n*Dload\n, GRAV, 9., 0., -2., 0.\n"
                                 "*Cload\n3, 1, 2.5\n*End Step\n";
    const std::string two_steps = model +
                                  "*Dload\n1, P1, 4.\n"
                                  "*Step\n*Static\n*Dload, op=NEW\n, GRAV, 1., 0., -2., 0.\n"
                                  "*End Step\n*Step\n*Static\n*Dload\n, GRAV, 9., 0., -2., 0.\n"
                                  "*Cload\n3, 1, 2.5\n*End Step\n";
    const RunOutcome one = run(one_step, {"-full"});
    const RunOutcome two = run(two_steps, {"-full"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(two.status, 0);
    EXPECT_EQ(conditions(two.out), conditions(one.out));
    EXPECT_NE(conditions(one.out).find("ALOADS\n8\n"), std::string::npos) << one.out;
}

// The input's text is released once, after the scans and before the output model is made; a run
// that stops while reading does not release it (its owner does).
TEST(AbazentaRun, ReleasesTheTextOnceAfterTheScans) {
    for (const bool full : {false, true}) {
        const std::string deck = readFile(kData + "/plate.inp");
        int releases = 0;
        DeckSource source;
        source.text = deck;
        source.release_text = [&releases] { ++releases; };
        TranslationOptions options;
        options.full = full;
        std::ostringstream out, err;
        translate(source, options, out, err);
        EXPECT_EQ(releases, 1);
        EXPECT_NE(err.str().find("Finished scanning input file...\n"), std::string::npos);

        releases = 0;
        source.text = "*INCLUDE, INPUT=absent.inp\n";
        EXPECT_THROW(translate(source, options, out, err), TranslationError);
        EXPECT_EQ(releases, 0);
    }
}

TEST(AbazentaRun, ModelAtTheLimitsTranslates) {
    std::string input = "** x\n*NODE\n";
    for (int n = 1; n <= MAX_NODES; ++n) input += std::to_string(-n) + ", 0, 0\n";
    input += "*ELEMENT, TYPE=CPS4, ELSET=SET-1\n";
    for (int e = 1; e <= MAX_ELEM; ++e)
        input += std::to_string(-e) + ", -" + std::to_string(e) + ", -1, -2, -3\n";
    const RunOutcome result = run(input);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.substr(0, 35), "zenta input file\n200000 200000 1 1\n");
    EXPECT_NE(result.out.find("\n200000    1 200000 200002    1 200002    2 200002    3 200002\n"),
              std::string::npos);
}

}  // namespace
}  // namespace abazenta
