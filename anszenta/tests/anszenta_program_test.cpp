// End-to-end tests of the anszenta program: the console dialogue, the command line, exit
// statuses and the output file, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "files.h"
#include "process.h"
#include "program_answers.h"

namespace {

using zenta_test::fileExists;
using zenta_test::readFile;
using zenta_test::runProgram;
using zenta_test::ScratchDir;
using zenta_test::writeFile;

const std::string kExe = ANSZENTA_EXE;
const std::string kData = DATA_DIR;
const std::string kExamples = EXAMPLES_DIR;

const std::string kArchivePrompt = "Enter Ansys .cdb file name (include .cdb extension)\n: ";
const std::string kOutputPrompt = "Enter file name for Zenta2D(L) (include *.inp extension)\n: ";

const std::string kPlateMessages =
    "ANSYS Version: 5.6\n"
    "Number of nodes: 119\n"
    "Number of elements: 4\n"
    "Number of materials: 2\n"
    "Number of element sets: 2\n"
    "Number of nodal boundary conditions: 13\n"
    "Unconverted material data (PRXY,) \n";

std::string plateArchive() {
    return kExamples + "/ansys/plate.cdb";
}
std::string plateLegacy() {
    return readFile(kExamples + "/ansys/plate.inp");
}

TEST(AnszentaDialogue, TranslatesTheExamplePlate) {
    ScratchDir dir;
    auto result = runProgram(kExe, {}, plateArchive() + "\n" + dir.file("plate.inp") + "\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kArchivePrompt + kOutputPrompt + kPlateMessages);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readFile(dir.file("plate.inp")), plateLegacy());
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"plate.inp"}));
}

TEST(AnszentaDialogue, NamesAreWordsOnAnyLine) {
    ScratchDir dir;
    auto result = runProgram(kExe, {}, "\n\n   " + plateArchive() + "   " + dir.file("p.inp"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(readFile(dir.file("p.inp")), plateLegacy());
}

TEST(AnszentaDialogue, EndOfInputAtAPromptStopsSilently) {
    ScratchDir dir;
    auto first = runProgram(kExe, {}, "", dir.path());
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.out, kArchivePrompt);
    auto second = runProgram(kExe, {}, plateArchive() + "\n", dir.path());
    EXPECT_EQ(second.status, 1);
    EXPECT_EQ(second.out, kArchivePrompt + kOutputPrompt);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(AnszentaDialogue, UnopenableFiles) {
    ScratchDir dir;
    auto archive = runProgram(kExe, {}, dir.file("missing.cdb") + "\nout.inp\n", dir.path());
    EXPECT_EQ(archive.status, 1);
    EXPECT_EQ(archive.out, kArchivePrompt + "Unable to open cdb file.\n");
    auto folder = runProgram(kExe, {}, dir.path() + "\n");
    EXPECT_EQ(folder.out, kArchivePrompt + "Unable to open cdb file.\n");
    auto output = runProgram(kExe, {}, plateArchive() + "\n" + dir.file("no/such/dir.inp") + "\n");
    EXPECT_EQ(output.status, 1);
    EXPECT_EQ(output.out, kArchivePrompt + kOutputPrompt + "Unable to open Zenta2D(L) file.\n");
    EXPECT_TRUE(dir.entries().empty());
}

TEST(AnszentaDialogue, FailedRunLeavesNoFileAndKeepsAnExistingOne) {
    ScratchDir dir;
    writeFile(dir.file("old.cdb"), "/COM,ANSYS RELEASE  3.1\n");
    auto fresh = runProgram(kExe, {}, dir.file("old.cdb") + "\n" + dir.file("new.inp") + "\n");
    EXPECT_EQ(fresh.status, 1);
    EXPECT_EQ(fresh.out, kArchivePrompt + kOutputPrompt +
                             "ANSYS Version: 3.1\nCannot translate Ansys version 3\n");
    writeFile(dir.file("kept.inp"), "analyst's file\n");
    auto existing = runProgram(kExe, {dir.file("old.cdb"), dir.file("kept.inp")}, "");
    EXPECT_EQ(existing.status, 1);
    EXPECT_EQ(readFile(dir.file("kept.inp")), "analyst's file\n");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"kept.inp", "old.cdb"}));
}

TEST(AnszentaDialogue, LongFileNames) {
    ScratchDir dir;
    std::string name = dir.file(std::string(200, 'n') + ".inp");
    auto result = runProgram(kExe, {}, plateArchive() + "\n" + name + "\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(readFile(name), plateLegacy());
}

TEST(AnszentaCommandLine, ArgumentsReplaceThePrompts) {
    ScratchDir dir;
    auto result = runProgram(kExe, {plateArchive(), dir.file("plate.inp")}, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kPlateMessages);
    EXPECT_EQ(readFile(dir.file("plate.inp")), plateLegacy());
}

const std::string kUsage =
    "Usage: anszenta [-full] [ARCHIVE OUTPUT]\n"
    "Translates an ANSYS archive (.cdb) into a legacy ZENTA2D(L) input file (.inp).\n"
    "Without the file names the two are asked for on the console.\n"
    "  -full       also translate the thickness of plane stress elements, pressures (SFE,\n"
    "              SFEBLOCK), gravity (ACEL) and spin (OMEGA), and write every real so that\n"
    "              it reads back as the same number\n"
    "  --help      show this text\n"
    "  --version   show the program's name and version\n";

// Help and version answer on standard output and never ask for a file name.
TEST(AnszentaCommandLine, HelpAndVersionNeverAsk) {
    expectAnswersWithoutAsking(kExe, "anszenta", kUsage, plateArchive() + "\nout.inp\n");
}

TEST(AnszentaCommandLine, HelpAndMisuse) {
    auto help = runProgram(kExe, {"--help"}, "");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, kUsage);
    // "-full" comes first; any other word beginning with "-" is no file name.
    const std::vector<std::string> misuses[] = {
        {"a.cdb"},
        {"-full", "a.cdb"},
        {"a.cdb", "-full"},
        {"a.cdb", "-full", "b.inp"},
        {"-full", "-full", "a.cdb", "b.inp"},
        {"-x", "b.inp"},
        {"-full", "a.cdb", "-"},
        {"-full", "--help"},
        {"-FULL"},
    };
    for (const auto& args : misuses) {
        ScratchDir dir;
        auto result = runProgram(kExe, args, "", dir.path());
        EXPECT_EQ(result.status, 1) << args[0];
        EXPECT_EQ(result.out, "") << args[0];
        EXPECT_EQ(result.err, help.out) << args[0];
        EXPECT_TRUE(dir.entries().empty()) << args[0];
    }
}

TEST(AnszentaCommandLine, FullBeforeThePrompts) {
    ScratchDir dir;
    auto prompted =
        runProgram(kExe, {"-full"}, plateArchive() + "\n" + dir.file("prompted.inp") + "\n");
    EXPECT_EQ(prompted.status, 0);
    auto given = runProgram(kExe, {"-full", plateArchive(), dir.file("given.inp")}, "");
    EXPECT_EQ(given.status, 0);
    EXPECT_EQ(prompted.out, kArchivePrompt + kOutputPrompt + given.out);
    EXPECT_EQ(readFile(dir.file("prompted.inp")), readFile(dir.file("given.inp")));
    EXPECT_NE(readFile(dir.file("given.inp")), plateLegacy());  // -full writes exact reals
}

TEST(AnszentaCommandLine, EveryReleaseFormOfThePlateGivesTheSameFile) {
    for (const char* variant :
         {"plate_r53.cdb", "plate_r54.cdb", "plate_r61.cdb", "plate_crlf.cdb"}) {
        ScratchDir dir;
        auto result = runProgram(kExe, {kData + "/" + variant, dir.file("out.inp")}, "");
        EXPECT_EQ(result.status, 0) << variant << result.out;
        EXPECT_EQ(readFile(dir.file("out.inp")), plateLegacy()) << variant;
    }
}

// Archives that must stop, with the exact messages after the summary.
struct StopCase {
    const char* name;
    const char* archive;
    const char* messages;
};

TEST(AnszentaCommandLine, StopsWithStatusOneAndNoOutput) {
    const StopCase cases[] = {
        {"no elements announced", "/COM,ANSYS RELEASE  5.6\nNUMOFF,NODE,       4\nNUMOFF,ELEM,0\n",
         "ANSYS Version: 5.6\nNumber of nodes: 4\nNumber of elements: 0\nNumber of materials: 0\n"
         "Number of element sets: 0\nNumber of nodal boundary conditions: 0\n"},
        {"no elements counted", "/COM,ANSYS RELEASE  5.6\nNUMOFF,NODE,       4\n",
         "ANSYS Version: 5.6\nNumber of nodes: 4\nNumber of elements: 0\nNumber of materials: 0\n"
         "Number of element sets: 0\nNumber of nodal boundary conditions: 0\n"
         "No nodes or elements found in the archive\n"},
        {"geometry only",
         ":NEUTRAL\n:KP, 1, 0.0, 0.0, 1.0\n:CDWRITE *** START OF CDWRITE DATA ***\n"
         "/COM,ANSYS RELEASE 2024 R2           BUILD 24.2      UP20240603\n"
         "NUMOFF,NODE,       1\nETBLOCK,        1,        1\n(2i9,19a9)\n"
         "        1      181        0\n       -1\nNBLOCK,6,SOLID,         1,         1\n"
         "(3i9,6e21.13e3)\n        1        0        0 0.0 0.0 1.0\nN,R5.3,LOC,       -1,\n",
         "ANSYS Version: 24.2\nNumber of nodes: 1\nNumber of elements: 0\nNumber of materials: 0\n"
         "Number of element sets: 1\nNumber of nodal boundary conditions: 0\n"
         "No nodes or elements found in the archive\n"},
    };
    for (const StopCase& c : cases) {
        ScratchDir dir;
        writeFile(dir.file("in.cdb"), c.archive);
        auto result = runProgram(kExe, {dir.file("in.cdb"), dir.file("out.inp")}, "");
        EXPECT_EQ(result.status, 1) << c.name;
        EXPECT_EQ(result.out, c.messages) << c.name;
        EXPECT_FALSE(fileExists(dir.file("out.inp"))) << c.name;
    }
}

// Archives in the shapes that ANSYS and other tools write today: each gives its console
// output, its exit status and (when it translates) its legacy file, byte for byte.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The forces of distributed loads are sums over Gauss points whose positions and weights are
// irrational: where the hand-worked force is not reached to the last digit, the load records
// of the two files must agree as numbers, to 1e-14 of the largest force; every other byte
// (and the text of each record's node and load case) exactly.
void expectSameLoads(const std::string& actual, const std::string& expected,
                     const std::string& name) {
    std::vector<std::string> got = linesOf(actual), want = linesOf(expected);
    ASSERT_EQ(got.size(), want.size()) << name;
    size_t loads = std::find(want.begin(), want.end(), "ALOADS") - want.begin();
    double largest = 0.0;
    for (size_t k = loads + 2; k < want.size(); ++k) {
        std::istringstream record(want[k]);
        int node = 0, loadCase = 0;
        double x = 0, y = 0;
        record >> node >> loadCase >> x >> y;
        largest = std::max({largest, std::fabs(x), std::fabs(y)});
    }
    for (size_t k = 0; k < want.size(); ++k) {
        if (k < loads + 2) {
            EXPECT_EQ(got[k], want[k]) << name << " line " << k + 1;
            continue;
        }
        std::istringstream gotRecord(got[k]), wantRecord(want[k]);
        std::string gotNode, gotCase, wantNode, wantCase;
        double gotX = 0, gotY = 0, wantX = 0, wantY = 0;
        gotRecord >> gotNode >> gotCase >> gotX >> gotY;
        wantRecord >> wantNode >> wantCase >> wantX >> wantY;
        EXPECT_EQ(gotNode + " " + gotCase, wantNode + " " + wantCase) << name << " line " << k + 1;
        EXPECT_NEAR(gotX, wantX, 1e-14 * largest) << name << " line " << k + 1;
        EXPECT_NEAR(gotY, wantY, 1e-14 * largest) << name << " line " << k + 1;
    }
}

// Each archive NAME.cdb is translated without -full (console NAME.anszenta.txt, legacy file
// NAME.inp when it translates) and, where the fixture has them, with -full (NAME.full.txt,
// NAME.full.inp).
void expectOutputs(const std::string& name, bool full, bool exactLoads = true) {
    const std::string stem = kData + "/" + name;
    const std::string expected = stem + (full ? ".full" : "");
    const bool translates = fileExists(expected + ".inp");
    ScratchDir dir;
    std::vector<std::string> args = {stem + ".cdb", dir.file("out.inp")};
    if (full) args.insert(args.begin(), "-full");
    auto result = runProgram(kExe, args, "");
    EXPECT_EQ(result.status, translates ? 0 : 1) << name;
    EXPECT_EQ(result.out, readFile(expected + (full ? ".txt" : ".anszenta.txt"))) << name;
    if (translates && exactLoads) {
        EXPECT_EQ(readFile(dir.file("out.inp")), readFile(expected + ".inp")) << name;
    } else if (translates) {
        expectSameLoads(readFile(dir.file("out.inp")), readFile(expected + ".inp"), name);
    } else {
        EXPECT_FALSE(fileExists(dir.file("out.inp"))) << name;
    }
}

TEST(AnszentaCommandLine, ArchivesOfTodayGiveTheirExpectedOutputs) {
    const char* const fixtures[] = {"neutral_crlf", "year_etblock", "workbench_blank",
                                    "no_release",   "solid_3d",     "thickness_sets"};
    for (const char* name : fixtures) expectOutputs(name, false);
}

// Thicknesses, pressures, gravity and spin; the data README says how each expected file was
// worked out.
TEST(AnszentaCommandLine, FullTranslatesThicknessesAndLoads) {
    const char* const exact[] = {"thickness_sets", "strip_sfe", "plane183_face", "sfeblock_rows"};
    for (const char* name : exact) expectOutputs(name, true);
    const char* const nearlyExact[] = {"plane183_acel", "axisymmetric_ring"};
    for (const char* name : nearlyExact) expectOutputs(name, true, false);
}

// Without -full, the archives of -full keep the historic translation: the loads are counted
// as not translated (the end line of the SFEBLOCK is no surface load line; every OMEGA and
// CGOMGA line with a value is a rotational velocity line), and only F lines are loads.
TEST(AnszentaCommandLine, WithoutFullLoadsAreCounted) {
    struct Case {
        const char* name;
        const char* loads;  // console after the five counts
        const char* loadSection;
    };
    const Case cases[] = {
        {"strip_sfe",
         "4 surface load lines not translated\n1 acceleration lines not translated\n"
         "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n",
         "ALOADS\n2\n6  1          0.000000e+00        -5.000000e+01\n"
         "8  1          2.500000e+01         0.000000e+00\n"},
        {"sfeblock_rows", "6 surface load lines not translated\n", ""},
        {"axisymmetric_ring",
         "1 surface load lines not translated\n3 rotational velocity lines not translated\n", ""},
        {"plane183_acel", "3 acceleration lines not translated\n", ""},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const std::string stem = kData + "/" + c.name;
        auto result = runProgram(kExe, {stem + ".cdb", dir.file("out.inp")}, "");
        EXPECT_EQ(result.status, 0) << c.name;
        const std::string fullConsole = readFile(stem + ".full.txt");
        const size_t countsEnd = fullConsole.find("boundary conditions: ");
        const std::string counts = fullConsole.substr(0, fullConsole.find('\n', countsEnd) + 1);
        EXPECT_EQ(result.out, counts + c.loads) << c.name;
        const std::string legacy = readFile(dir.file("out.inp"));
        const size_t section = legacy.find("ALOADS");
        EXPECT_EQ(section == std::string::npos ? "" : legacy.substr(section), c.loadSection)
            << c.name;
    }
}

}  // namespace
