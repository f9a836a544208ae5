// Round trips across programs: ANSYS archive or ABAQUS input -> legacy file -> current file,
// byte for byte against the example outputs, with every input left unchanged.
#include <gtest/gtest.h>

#include <string>

#include "files.h"
#include "process.h"

namespace {

using zenta_test::readFile;
using zenta_test::runProgram;
using zenta_test::ScratchDir;

const std::string kExamples = EXAMPLES_DIR;

// Converts a legacy file with the converter's batch mode and checks that it succeeded and left
// the legacy file as it was.
std::string migrate(const ScratchDir& dir, const std::string& legacy) {
    const std::string before = readFile(legacy);
    const std::string current = dir.file("current.inp");
    auto result = runProgram(INPMIGRATE_EXE, {legacy, current}, "");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Conversion completed\n");
    EXPECT_EQ(readFile(legacy), before);
    return readFile(current);
}

TEST(RoundTrip, AnsysExampleToCurrentFormat) {
    ScratchDir dir;
    const std::string archive = kExamples + "/ansys/plate.cdb";
    const std::string archiveBytes = readFile(archive);
    auto translated = runProgram(ANSZENTA_EXE, {archive, dir.file("plate.inp")}, "");
    ASSERT_EQ(translated.status, 0) << translated.out;
    EXPECT_EQ(readFile(archive), archiveBytes);
    EXPECT_EQ(readFile(dir.file("plate.inp")), readFile(kExamples + "/ansys/plate.inp"));
    EXPECT_EQ(migrate(dir, dir.file("plate.inp")),
              readFile(kExamples + "/current/plate_current.inp"));
}

TEST(RoundTrip, LegacyFilesOfTodaysArchivesConvert) {
    // The legacy files that anszenta writes for the archives of today's releases (mixed and
    // four-node elements, year and blank releases) are accepted by the converter.
    for (const char* name : {"neutral_crlf", "year_etblock", "workbench_blank", "no_release"}) {
        ScratchDir dir;
        const std::string legacy = std::string(ANSYS_DATA_DIR) + "/" + name + ".inp";
        EXPECT_FALSE(migrate(dir, legacy).empty()) << name;
    }
}

TEST(RoundTrip, AbaqusExampleToCurrentFormat) {
    ScratchDir dir;
    const std::string input = readFile(kExamples + "/abaqus/bracket.inp");
    auto translated = runProgram(ABAZENTA_EXE, {"-out", dir.file("bracket.inp")}, input);
    ASSERT_EQ(translated.status, 0) << translated.err;
    EXPECT_EQ(readFile(dir.file("bracket.inp")),
              readFile(kExamples + "/abaqus/bracket_legacy.inp"));
    EXPECT_EQ(migrate(dir, dir.file("bracket.inp")),
              readFile(kExamples + "/current/bracket_current.inp"));
}

TEST(RoundTrip, GeneratedPlateWithConditionsConverts) {
    // A larger plate than the example: every node, element, fixity and load line of the
    // translator's output must be accepted by the converter.
    ScratchDir dir;
    ASSERT_EQ(runProgram(PLATE_GEN_EXE, {"30", dir.file("plate.cdb")}, "").status, 0);
    auto translated = runProgram(ANSZENTA_EXE, {dir.file("plate.cdb"), dir.file("plate.inp")}, "");
    ASSERT_EQ(translated.status, 0) << translated.out;
    const std::string current = migrate(dir, dir.file("plate.inp"));
    EXPECT_NE(current.find("AFIXITY"), std::string::npos);
    EXPECT_NE(current.find("ALOADS"), std::string::npos);
}

}  // namespace
