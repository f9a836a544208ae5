// End-to-end tests of the ansmrp program: the three prompts, the command line, exit statuses
// and the MRP file, byte for byte.
#include <gtest/gtest.h>
#include <sys/stat.h>

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

const std::string kExe = ANSMRP_EXE;
const std::string kExamples = EXAMPLES_DIR;
const std::string kData = DATA_DIR;
const std::string kArchive = kExamples + "/ansys/plate_mrp.cdb";
const std::string kListing = kExamples + "/ansys/plate_mrp.str";

const std::string kArchivePrompt = "Enter Ansys .cdb file name (include .cdb extension)\n: ";
const std::string kListingPrompt = "Enter Ansys .str file name (include .str extension)\n: ";
const std::string kMrpPrompt = "Enter file name for MRP (include *.mrp extension)\n: ";
const std::string kSummary =
    "ANSYS Version: 5.6\nNumber of nodes: 22\nNumber of elements: 8\nNumber of materials: 1\n"
    "Number of element sets: 1\nNumber of nodal boundary conditions: 2\n";

std::string expectedMrp() {
    return readFile(kExamples + "/ansys/plate_mrp.mrp");
}

TEST(AnsmrpDialogue, WritesTheExampleMrpFile) {
    ScratchDir dir;
    auto result =
        runProgram(kExe, {}, kArchive + "\n\n" + kListing + "\n" + dir.file("p.mrp") + "\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kArchivePrompt + kListingPrompt + kMrpPrompt + kSummary);
    EXPECT_EQ(readFile(dir.file("p.mrp")), expectedMrp());
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"p.mrp"}));
}

TEST(AnsmrpDialogue, StopsAtEveryPrompt) {
    ScratchDir dir;
    auto first = runProgram(kExe, {}, "", dir.path());
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.out, kArchivePrompt);
    auto second = runProgram(kExe, {}, kArchive, dir.path());
    EXPECT_EQ(second.out, kArchivePrompt + kListingPrompt);
    auto third = runProgram(kExe, {}, kArchive + " " + kListing, dir.path());
    EXPECT_EQ(third.status, 1);
    EXPECT_EQ(third.out, kArchivePrompt + kListingPrompt + kMrpPrompt);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(AnsmrpDialogue, FilesThatCannotBeOpened) {
    ScratchDir dir;
    auto archive = runProgram(kExe, {}, dir.file("none.cdb\n"));
    EXPECT_EQ(archive.status, 1);
    EXPECT_EQ(archive.out, kArchivePrompt + "Unable to open cdb file.\n");
    auto listing = runProgram(kExe, {}, kArchive + "\n" + dir.file("none.str") + "\n");
    EXPECT_EQ(listing.out, kArchivePrompt + kListingPrompt + "Unable to open str file.\n");
    auto mrp = runProgram(kExe, {}, kArchive + "\n" + kListing + "\n" + dir.file("x/y.mrp") + "\n");
    EXPECT_EQ(mrp.status, 1);
    EXPECT_EQ(mrp.out, kArchivePrompt + kListingPrompt + kMrpPrompt + "Unable to open MRP file.\n");
    EXPECT_TRUE(dir.entries().empty());
}

TEST(AnsmrpCommandLine, ArgumentsReplaceThePrompts) {
    ScratchDir dir;
    mode_t oldMask = umask(002);
    auto result = runProgram(kExe, {kArchive, kListing, dir.file("p.mrp")}, "");
    umask(oldMask);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kSummary);
    EXPECT_EQ(readFile(dir.file("p.mrp")), expectedMrp());
    struct stat info;
    ASSERT_EQ(stat(dir.file("p.mrp").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0664u);
}

const std::string kUsage =
    "Usage: ansmrp [ARCHIVE LISTING OUTPUT]\n"
    "Writes an MRP file from an ANSYS archive (.cdb) and its nodal stress listing (.str).\n"
    "Without arguments the three file names are asked for on the console.\n"
    "  --help      show this text\n"
    "  --version   show the program's name and version\n";

// Help and version answer on standard output and never ask for a file name.
TEST(AnsmrpCommandLine, HelpAndVersionNeverAsk) {
    expectAnswersWithoutAsking(kExe, "ansmrp", kUsage, kArchive + "\n" + kListing + "\nout.mrp\n");
}

TEST(AnsmrpCommandLine, HelpAndMisuse) {
    auto help = runProgram(kExe, {"--help"}, "");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, kUsage);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"a.cdb", "b.str"}, {"--version", "b.str"}}) {
        auto wrong = runProgram(kExe, args, "");
        EXPECT_EQ(wrong.status, 1);
        EXPECT_EQ(wrong.out, "");
        EXPECT_EQ(wrong.err, kUsage);
    }
}

TEST(AnsmrpCommandLine, FailedRunKeepsAnExistingFile) {
    ScratchDir dir;
    writeFile(dir.file("m.cdb"),
              "/COM,ANSYS RELEASE  5.6\nNUMOFF,NODE,2\nNUMOFF,ELEM,1\nET,1,77\n"
              "NBLOCK,6,SOLID\n(3i8,6e16.9)\n1 0 0 0 0 0\n2 0 0 1 0 0\nN,R5.3,LOC,-1\n"
              "EBLOCK,19,SOLID\n(19i7)\n1 1 1 1 0 0 0 0 8 0 3 1 2 2 1 1 1 1 1\n-1\n");
    writeFile(dir.file("old.mrp"), "kept");
    auto result = runProgram(kExe, {dir.file("m.cdb"), kListing, dir.file("old.mrp")}, "");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "ANSYS Version: 5.6\nNumber of nodes: 2\nNumber of elements: 1\n"
              "Number of materials: 0\nNumber of element sets: 1\n"
              "Number of nodal boundary conditions: 0\nAnsys element type (1) might not translate\n"
              "Element 3 is of ANSYS type 77, which is not a plane element\n");
    EXPECT_EQ(readFile(dir.file("old.mrp")), "kept");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"m.cdb", "old.mrp"}));
}

TEST(AnsmrpCommandLine, ArchiveWithoutElementsStops) {
    ScratchDir dir;
    writeFile(dir.file("m.cdb"), "/COM,ANSYS RELEASE  5.5\nNUMOFF,NODE,2\nNUMOFF,ELEM,1\n");
    auto result = runProgram(kExe, {dir.file("m.cdb"), kListing, dir.file("new.mrp")}, "");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "ANSYS Version: 5.5\nNumber of nodes: 2\nNumber of elements: 1\n"
              "Number of materials: 0\nNumber of element sets: 0\n"
              "Number of nodal boundary conditions: 0\n"
              "No nodes or elements found in the archive\n");
    EXPECT_FALSE(fileExists(dir.file("new.mrp")));
}

// Archives in the shapes that ANSYS and other tools write today, with a listing: the console
// output, the exit status and (when the mesh maps) the MRP file, byte for byte.
TEST(AnsmrpCommandLine, ArchivesOfTodayGiveTheirExpectedOutputs) {
    struct Fixture {
        const char* archive;
        const char* listing;
    };
    const Fixture fixtures[] = {{"year_etblock", "year_etblock"},
                                {"no_release", "no_release"},
                                {"solid_3d", "no_release"},
                                {"neutral_crlf", "neutral_crlf"},
                                {"workbench_blank", "workbench_blank"}};
    for (const Fixture& f : fixtures) {
        const std::string stem = kData + "/" + f.archive;
        const bool maps = fileExists(stem + ".mrp");
        ScratchDir dir;
        auto result = runProgram(
            kExe, {stem + ".cdb", kData + "/" + f.listing + ".str", dir.file("out.mrp")}, "");
        EXPECT_EQ(result.status, maps ? 0 : 1) << f.archive;
        EXPECT_EQ(result.out, readFile(stem + ".ansmrp.txt")) << f.archive;
        if (maps) {
            EXPECT_EQ(readFile(dir.file("out.mrp")), readFile(stem + ".mrp")) << f.archive;
        } else {
            EXPECT_FALSE(fileExists(dir.file("out.mrp"))) << f.archive;
        }
    }
}

// A listing from which no stress row is read (principal stresses, reactions) stops the run,
// naming the listing as it was given, and leaves no MRP file.
TEST(AnsmrpCommandLine, ListingsWithoutComponentStressesStop) {
    const std::string summary = readFile(kData + "/workbench_blank.ansmrp.txt");
    const std::pair<const char*, std::string> cases[] = {
        {"workbench_blank_prin.str",
         "The listing holds principal stresses; list component stresses (PRNSOL,S,COMP)\n"},
        {"workbench_blank_reactions.str", ""},
    };
    for (const auto& [listing, hint] : cases) {
        ScratchDir dir;
        const std::string listingName = kData + "/" + listing;
        auto result = runProgram(
            kExe, {kData + "/workbench_blank.cdb", listingName, dir.file("out.mrp")}, "");
        EXPECT_EQ(result.status, 1) << listing;
        EXPECT_EQ(result.out, summary + hint + "No nodal stresses found in " + listingName + "\n")
            << listing;
        EXPECT_TRUE(dir.entries().empty()) << listing;
    }
}

}  // namespace
