// End-to-end runs of the built program: arguments, streams, exit statuses and files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "files.h"
#include "messages.h"
#include "process.h"

namespace {

using zenta_test::fileExists;
using zenta_test::readFile;
using zenta_test::runProgram;
using zenta_test::ScratchDir;
using zenta_test::writeFile;

const std::string kProgram = ABAZENTA_EXE;
const std::string kData = DATA_DIR;

constexpr char kUsage[] =
    "\nABAQUS to ZENTA translator:\n\nabazenta < abaqus input file > zenta.inp file\n\n\n";
constexpr char kFirstScan[] = "Starting first scan of the input file...\n";

std::string plate() {
    return readFile(kData + "/plate.inp");
}
std::string plate_legacy() {
    return readFile(kData + "/plate_legacy.inp");
}
std::string plate_stderr() {
    return readFile(kData + "/plate_stderr.txt");
}

// Standard input is a pipe here, so the program cannot rewind it: it must keep the input.
TEST(AbazentaProgram, TranslatesPipedStandardInput) {
    const auto result = runProgram(kProgram, {}, plate());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, plate_legacy());
    EXPECT_EQ(result.err, plate_stderr());
}

TEST(AbazentaProgram, ReadsTheFileNamedByInAndIgnoresStandardInput) {
    const auto result =
        runProgram(kProgram, {"-in", kData + "/plate.inp", "-nogap", "extra"}, "*NODE\nnot this\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, plate_legacy());
    EXPECT_EQ(result.err, plate_stderr());
}

// -quiet leaves out the first scan's echo of the lines it passes over, and nothing else.
TEST(AbazentaProgram, QuietLeavesOutTheEchoOnly) {
    const auto result = runProgram(kProgram, {"-quiet"}, plate());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, plate_legacy());
    EXPECT_EQ(result.err,
              "Starting first scan of the input file...\nfound:\n\t13\tnodes\n\t7\telements\n"
              "Starting second scan of the input file...\nNode set SYMM is not defined, line "
              "ignored\nFinished scanning input file...\n"
              "Element type T2D2 is not a plane element: 1 elements skipped\n");
}

TEST(AbazentaProgram, EmptyInValueReadsStandardInput) {
    const auto result = runProgram(kProgram, {"-in", ""}, plate());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, plate_legacy());
}

TEST(AbazentaProgram, MissingInputFileIsReportedAfterTheFirstProgressLine) {
    ScratchDir dir;
    const auto result = runProgram(kProgram, {"-in", dir.file("absent.inp")}, plate());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kFirstScan + dir.file("absent.inp") + " not found");
    const auto folder = runProgram(kProgram, {"-in", dir.path()}, "");
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err, kFirstScan + dir.path() + " not found");
}

TEST(AbazentaProgram, PrintsUsageWithStatusOne) {
    const std::vector<std::vector<std::string>> cases = {
        {"-h"},  {"-in", "-h"}, {"-nogap", "-h", "-in", "x"},
        {"-in"}, {"-out"},      {"-in", "a", "-out"}};
    for (const auto& args : cases) {
        const auto result = runProgram(kProgram, args, plate());
        EXPECT_EQ(result.status, 1) << ::testing::PrintToString(args);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, kUsage);
    }
}

// "--help" and "--version" answer on standard output with status 0, read no input and write
// no file, while "-h" keeps its usage block on standard error with status 1.
TEST(AbazentaProgram, HelpAndVersionAnswerOnStandardOutput) {
    ScratchDir dir;
    const std::string help = abazenta::messages::kHelp;
    const std::string version = "abazenta " PROJECT_VERSION "\n";
    const struct {
        std::vector<std::string> args;
        const std::string& out;
    } cases[] = {
        {{"--help"}, help},
        {{"--version"}, version},
        {{"-out", dir.file("x.inp"), "--help"}, help},
        {{"-in", "--version"}, version},
    };
    for (const auto& c : cases) {
        const auto result = runProgram(kProgram, c.args, plate());
        EXPECT_EQ(result.status, 0) << ::testing::PrintToString(c.args);
        EXPECT_EQ(result.out, c.out) << ::testing::PrintToString(c.args);
        EXPECT_EQ(result.err, "") << ::testing::PrintToString(c.args);
    }
    EXPECT_EQ(help.rfind("Usage: abazenta [-in FILE] [-out FILE] [-full] [-quiet] [-nogap]\n", 0),
              0u);
    EXPECT_NE(help.find("\n  --version "), std::string::npos);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(AbazentaProgram, OutWritesTheFileOnlyAndReplacesAnEarlierOut) {
    ScratchDir dir;
    writeFile(dir.file("old.inp"), "previous contents\n");
    const auto result =
        runProgram(kProgram, {"-out", dir.file("first.inp"), "-out", dir.file("old.inp")}, plate());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, plate_stderr());
    EXPECT_EQ(readFile(dir.file("old.inp")), plate_legacy());
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"old.inp"});  // no temporary is left
}

TEST(AbazentaProgram, OutMayReplaceTheInputFileItself) {
    ScratchDir dir;
    writeFile(dir.file("model.inp"), plate());
    const auto result =
        runProgram(kProgram, {"-in", dir.file("model.inp"), "-out", dir.file("model.inp")}, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(readFile(dir.file("model.inp")), plate_legacy());
}

TEST(AbazentaProgram, OutFileGetsTheUsualPermissions) {
    ScratchDir dir;
    const auto result = runProgram(kProgram, {"-out", dir.file("new.inp")}, plate());
    ASSERT_EQ(result.status, 0);
    struct stat info {};
    ASSERT_EQ(stat(dir.file("new.inp").c_str(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(AbazentaProgram, FailedRunLeavesAnExistingOutFileUntouched) {
    ScratchDir dir;
    writeFile(dir.file("keep.inp"), "keep me\n");
    const auto result = runProgram(kProgram, {"-out", dir.file("keep.inp")},
                                   "** x\n*NODE\n1, 0, 0\n*CLOAD\n1, 4, 1.\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(readFile(dir.file("keep.inp")), "keep me\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"keep.inp"});
    EXPECT_EQ(result.err.substr(result.err.find("Unrecognized")),
              "Unrecognized Nodal Force direction : 4\n1  4  1.\n\n");
}

TEST(AbazentaProgram, UnwritableOutFileIsReported) {
    ScratchDir dir;
    const std::string target = dir.file("missing-folder/out.inp");
    const auto result = runProgram(kProgram, {"-out", target}, plate());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, plate_stderr() + target + " could not be written\n");

    // A folder of the same name cannot be replaced by the file.
    const auto folder = runProgram(kProgram, {"-out", dir.path()}, plate());
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err, plate_stderr() + dir.path() + " could not be written\n");
    EXPECT_TRUE(dir.entries().empty());
}

TEST(AbazentaProgram, PipedAndFileInputGiveTheSameBytes) {
    ScratchDir dir;
    std::string big = "*HEADING\n*NODE\n";
    for (int n = 1; n <= 20000; ++n)
        big += std::to_string(n) + ", " + std::to_string(n % 100) + ".5, " +
               std::to_string(n / 100) + ".\n";
    big += "*ELEMENT, TYPE=CPS4, ELSET=SET1\n";
    for (int e = 1; e <= 19000; ++e)
        big += std::to_string(e) + ", " + std::to_string(e) + ", " + std::to_string(e + 1) + ", " +
               std::to_string(e + 101) + ", " + std::to_string(e + 100) + "\n";
    writeFile(dir.file("big.inp"), big);
    const auto piped = runProgram(kProgram, {}, big);
    const auto named = runProgram(kProgram, {"-in", dir.file("big.inp")}, "");
    // Standard input redirected from the file (which the program maps rather than reads).
    const auto redirected =
        runProgram("/bin/sh", {"-c", "exec \"$0\" < \"$1\"", kProgram, dir.file("big.inp")}, "");
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(redirected.status, 0);
    EXPECT_EQ(piped.out, named.out);
    EXPECT_EQ(piped.err, named.err);
    EXPECT_EQ(redirected.out, named.out);
    EXPECT_EQ(redirected.err, named.err);
    EXPECT_NE(piped.out.find("\n19000    1 19000 20002 19001 20002 19101 20002 19100 20002\n"),
              std::string::npos);
}

// Names in *INCLUDE lines of standard input are found from the current folder.
TEST(AbazentaProgram, StandardInputIncludesFromTheCurrentFolder) {
    const std::string deck = readFile(kData + "/include_main.inp");
    const auto here = runProgram(kProgram, {"-full"}, deck, kData);
    EXPECT_EQ(here.status, 0);
    EXPECT_EQ(here.out, readFile(kData + "/include_main_full_legacy.inp"));
    EXPECT_EQ(here.err, readFile(kData + "/include_main_full_stderr.txt"));
    ScratchDir elsewhere;
    const auto there = runProgram(kProgram, {}, deck, elsewhere.path());
    EXPECT_EQ(there.status, 1);
    EXPECT_EQ(there.out, "");
    EXPECT_EQ(there.err,
              std::string(kFirstScan) + "Included file include_mesh.inp could not be read\n");
}

TEST(AbazentaProgram, ExampleModelGivesItsLegacyFile) {
    const std::string examples = EXAMPLE_DIR;
    const auto result = runProgram(kProgram, {}, readFile(examples + "/bracket.inp"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, readFile(examples + "/bracket_legacy.inp"));
}

}  // namespace
