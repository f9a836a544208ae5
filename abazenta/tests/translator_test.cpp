// Whole runs in-process: fixtures translated byte for byte, and every way a run can fail.
#include "translator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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

TEST(AbazentaRun, PlateFixtureGivesTheExpectedFileAndMessages) {
    const RunOutcome result = run(readFile(kData + "/plate.inp"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, readFile(kData + "/plate_legacy.inp"));
    EXPECT_EQ(result.err, readFile(kData + "/plate_stderr.txt"));
}

TEST(AbazentaRun, LineEndAndSpacingVariantsGiveTheSameFile) {
    const std::string expected = readFile(kData + "/plate_legacy.inp");
    for (const char* variant : {"plate_crlf.inp", "plate_compact.inp"}) {
        const RunOutcome result = run(readFile(kData + "/" + variant));
        EXPECT_EQ(result.status, 0) << variant;
        EXPECT_EQ(result.out, expected) << variant;
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
    const std::string input = readFile(kData + "/cload_first_line.inp");
    std::ostringstream echo;
    EXPECT_EQ(first_scan(input, echo).loads, 2);
    const RunOutcome result = run(input);
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
    EXPECT_NE(merged.out.find("\nALOADS\n3\n1 1 17 0\n2 1 17 0\n3 1 16 0\n"), std::string::npos)
        << merged.out;
}

TEST(AbazentaRun, FirstScanCountsDataLinesAfterTheFirstLine) {
    std::ostringstream echo;
    const FirstScanCounts counts = first_scan(
        "*NODE\n1\n2\n*NODE\n3\n\n*ELEMENT\n1 1 2 3\n*CLOAD\n1 1 1\n*END STEP\n*NODE\n4\n", echo);
    // The first line is dropped: "1" is a data line outside any block, and the lines after it
    // are echoed up to the next keyword line.
    EXPECT_EQ(echo.str(), "2\n*NODE\n");
    EXPECT_EQ(counts.nodes, 2);  // "3" and the empty line
    EXPECT_EQ(counts.elements, 1);
    EXPECT_EQ(counts.loads, 1);
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

// Every block of the fixture is skipped, so nothing is stored and nothing is written, not even
// the warnings of the writer.
TEST(AbazentaRun, LowerCaseKeywordsGiveAnEmptyModel) {
    const RunOutcome result = run(readFile(kData + "/lowercase_keywords.inp"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    const std::string tail =
        "Load on undefined node 90 ignored\nFinished scanning input file...\n"
        "No nodes or elements found in the input\n";
    ASSERT_GE(result.err.size(), tail.size());
    EXPECT_EQ(result.err.substr(result.err.size() - tail.size()), tail);
    EXPECT_EQ(result.err.find("Skipping"), std::string::npos);
}

// Runs that cannot be translated: exact messages after the progress lines, nothing written.
TEST(AbazentaRun, FailingInputsStopWithTheirMessageAndStatus) {
    const std::string nodes = "*NODE\n1, 0, 0\n2, 1, 0\n3, 0, 1\n";
    const std::string triangle = "*ELEMENT, TYPE=CPS3, ELSET=SET1\n1, 1, 2, 3\n";
    struct Case {
        std::string name;
        std::string input;
        std::string err_tail;  // stderr after the "found:" counts
    };
    const std::string second = "Starting second scan of the input file...\n";
    const std::string finished = "Finished scanning input file...\n";
    const std::string nothing = "No nodes or elements found in the input\n";
    const std::vector<Case> cases = {
        {"empty input", "", second + finished + nothing},
        {"nodes only", "** x\n" + nodes, second + finished + nothing},
        {"elements only", "** x\n" + triangle, second + finished + nothing},
        {"only elements that cannot be written",
         "** x\n" + nodes + "*ELEMENT, TYPE=T2D2, ELSET=SET1\n1, 1, 2\n2, 1, 2, 3, 1, 2\n",
         second + finished + nothing},
        {"lower-case keywords", "** x\n*node\n1, 0, 0\n*element\n1, 1, 1, 1\n",
         second + finished + nothing},
        {"load direction 3", "** x\n" + nodes + triangle + "*CLOAD\n1, 3, 5.\n",
         second + "Unrecognized Nodal Force direction : 3\n1  3  5.\n\n"},
        {"load direction on an undefined node", "** x\n" + nodes + triangle + "*CLOAD\n9, 6, 5.",
         second + "Unrecognized Nodal Force direction : 6\n9  6  5.\n"},
    };
    for (const Case& c : cases) {
        const RunOutcome result = run(c.input);
        EXPECT_EQ(result.status, 1) << c.name;
        EXPECT_EQ(result.out, "") << c.name;
        const std::size_t counts = result.err.find("found:\n");
        ASSERT_NE(counts, std::string::npos) << c.name;
        const std::size_t after = result.err.find("\telements\n", counts) + 10;
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
    EXPECT_EQ(result.err.substr(result.err.find("Starting second")),
              "Starting second scan of the input file...\n"
              "Too many elements!\nChange the size of MAX_ELEM, and try again\n");
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
