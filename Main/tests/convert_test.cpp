// Conversion of well-formed legacy files: layout, numbering, sections, line ends, formats.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "convert.h"
#include "files.h"

namespace {

std::string Convert(const std::string& legacy) {
    std::istringstream in(legacy);
    std::ostringstream out;
    Zenta2D::ConvertFiles(in, out);
    return out.str();
}

std::string Fixture(const std::string& name) {
    return zenta_test::readFile(std::string(DATA_DIR) + "/" + name);
}

std::string WithLineEnds(const std::string& lf_text, const std::string& line_end) {
    std::string result;
    for (char c : lf_text) {
        if (c == '\n')
            result += line_end;
        else
            result += c;
    }
    return result;
}

TEST(ConvertFiles, WorkedExampleSingleModel) {
    const std::string legacy =
        "ABAQUS model\n"
        "3 1 1 1\n"
        "1  3.00e+007  3.00e-001  1.00e+000  1.00e+000  1.00e+000\n"
        "7    1   21    0   35    0   40    0\n"
        "21  0.000000e+00  0.000000e+00\n"
        "35  1.000000e+00  0.000000e+00\n"
        "40  0.000000e+00  2.500000e+00\n"
        "AFIXITY\n"
        "1\n"
        "21 3 0.0\n"
        "ENDBC\n";
    EXPECT_EQ(Convert(legacy),
              "ABAQUS model\n"
              "3 1 1 1\n"
              "1 3e+07 0.3 1 1 1\n"
              "1 1 1 0 2 0 3 0\n"
              "1 0 0\n"
              "2 1 0\n"
              "3 0 2.5\n"
              "AFIXITY\n"
              "1\n"
              "1 3 0\n"
              "ENDBC\n");
}

// Each fixture is a whole legacy file with its expected current file beside it.
TEST(ConvertFiles, FixturesConvertToTheirExpectedFiles) {
    for (const char* name :
         {"abaqus_single", "ansys_single", "renumbered", "all_sections", "layered"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Convert(Fixture(std::string(name) + ".inp")),
                  Fixture(std::string(name) + "_current.inp"));
    }
}

TEST(ConvertFiles, LineEndsLfCrLfAndCrReadTheSame) {
    const std::string lf = Fixture("renumbered.inp");
    const std::string expected = Fixture("renumbered_current.inp");
    EXPECT_EQ(Convert(WithLineEnds(lf, "\r\n")), expected);
    EXPECT_EQ(Convert(WithLineEnds(lf, "\r")), expected);
    std::string without_last_end = lf;
    without_last_end.pop_back();
    EXPECT_EQ(Convert(without_last_end), expected);
}

TEST(ConvertFiles, TitleTokensAreJoinedWithSingleBlanks) {
    EXPECT_EQ(Convert(" \t A\t\tsplit   title \t\n0 0 0 1\n"), "A split title\n0 0 0 1\n");
    EXPECT_EQ(Convert("\n0 0 0 1\n"), "\n0 0 0 1\n");
}

// A real keeps the "%g" text (six significant digits) when that reads back as the same double,
// and takes the shortest text that does otherwise: no digit of the legacy file is lost.
TEST(ConvertFiles, RealsKeepEveryDigit) {
    struct RealCase {
        const char* legacy;
        const char* current;
    };
    const RealCase cases[] = {
        // Six significant digits or fewer: the bytes of "%g".
        {"30000000", "3e+07"},
        {"0.300", "0.3"},
        {"1.000", "1"},
        {"-2.5E+003", "-2500"},
        {"123.457", "123.457"},
        {"1.23457e-05", "1.23457e-05"},
        {"2.100000e+005", "210000"},
        {"0.00E+000", "0"},
        {"-0.0", "-0"},
        {"999999", "999999"},
        {"1e-300", "1e-300"},
        // More digits: the shortest text that reads back exactly.
        {"123.4567891", "123.4567891"},
        {"0.00001234567", "1.234567e-05"},
        {"12345.67891", "12345.67891"},
        {"0.04373", "0.04373"},
        {"0.16666666", "0.16666666"},
        {"0.16666666666666666", "0.16666666666666666"},
        {"206842.7", "206842.7"},
        {"1234567", "1234567"},
        {"1.0000001", "1.0000001"},
        {"12345678901234567890", "12345678901234567168"},
        {"1.2345678e+20", "1.2345678e+20"},
    };
    for (const RealCase& c : cases) {
        SCOPED_TRACE(c.legacy);
        // As a material property, a node coordinate and a load.
        EXPECT_EQ(Convert(std::string("t\n1 0 1 1\n1 ") + c.legacy + "\n5 " + c.legacy +
                          " 0\nALOADS\n1\n5 1 " + c.legacy + " 0\n"),
                  std::string("t\n1 0 1 1\n1 ") + c.current + "\n1 " + c.current +
                      " 0\nALOADS\n1\n1 1 " + c.current + " 0\n");
    }
}

TEST(ConvertFiles, NumbersFollowTheLenientCRules) {
    // Integers and reals read their numeric prefix; a token without one reads as 0.
    EXPECT_EQ(Convert("t\n0 0 1 1\n2x abc 1.5e2kg 7,5\n"), "t\n0 0 1 1\n2 0 150 7\n");
}

TEST(ConvertFiles, ZeroSlotsStayZeroEvenWithANodeIdZero) {
    const std::string legacy =
        "t\n2 1 0 1\n"
        "1 4 0 5 0\n"
        "0 1 1\n"
        "5 2 2\n"
        "AFIXITY\n1\n0 1 0\n";
    EXPECT_EQ(Convert(legacy),
              "t\n2 1 0 1\n"
              "1 4 0 2 0\n"
              "1 1 1\n"
              "2 2 2\n"
              "AFIXITY\n1\n0 1 0\n");
}

TEST(ConvertFiles, FillerSlotIsKeptUnlessANodeCarriesThatId) {
    // Node count 2: the filler is 4, which no node line names in the first file.
    EXPECT_EQ(Convert("t\n2 1 0 1\n1 1 10 4 20 4\n10 0 0\n20 1 0\n"),
              "t\n2 1 0 1\n1 1 1 4 2 4\n1 0 0\n2 1 0\n");
    // Here a node line has id 4, so 4 means that node.
    EXPECT_EQ(Convert("t\n2 1 0 1\n1 1 4 10\n10 0 0\n4 1 0\n"),
              "t\n2 1 0 1\n1 1 2 1\n1 0 0\n2 1 0\n");
}

TEST(ConvertFiles, DuplicateNodeIdsResolveToTheLaterLine) {
    EXPECT_EQ(Convert("t\n2 1 0 1\n1 1 5\n5 0 0\n5 1 1\nACRACKS\n1\n5\n0\n0\n"),
              "t\n2 1 0 1\n1 1 2\n1 0 0\n2 1 1\nACRACKS\n1\n2\n0\n0\n");
}

TEST(ConvertFiles, BoundaryPartKeywordsAndSkippedLines) {
    const std::string head = "t\n1 0 0 1\n9 0 0\n";
    const std::string out_head = "t\n1 0 0 1\n1 0 0\n";
    // Extra tokens on a keyword line are dropped; the count comes from the next line.
    EXPECT_EQ(Convert(head + "AFIXITY 2\n1\n9 1 0\n"), out_head + "AFIXITY\n1\n1 1 0\n");
    // Keywords are case-sensitive: a lower-case one and its lines are skipped.
    EXPECT_EQ(Convert(head + "afixity\n1\n9 1 0\nENDBC\n"), out_head + "ENDBC\n");
    // An unknown section before a known one leaves nothing in the output.
    EXPECT_EQ(Convert(head + "\nCOMMENT x\n2\n9 9\n\n\nAFIXITY\n1\n9 2 0.5\n"),
              out_head + "AFIXITY\n1\n1 2 0.5\n");
    // Nothing after ENDBC is read, not even a malformed section.
    EXPECT_EQ(Convert(head + "ENDBC\nAFIXITY\n1\n77 1 0\n"), out_head + "ENDBC\n");
    // A part holding only ENDBC; a file ending after its node lines.
    EXPECT_EQ(Convert(head + "ENDBC"), out_head + "ENDBC\n");
    EXPECT_EQ(Convert(head), out_head);
}

TEST(ConvertFiles, LoadCasesAndLoadTypesAreIntegers) {
    EXPECT_EQ(Convert("t\n1 0 0 1\n9 0 0\nALOADS\n1\n9 2.7 1.5 -3\nLOADTYP\n1 2 3 4 5 6.9 7\n"),
              "t\n1 0 0 1\n1 0 0\nALOADS\n1\n1 2 1.5 -3\nLOADTYP\n1 2 3 4 5 6\n");
}

TEST(ConvertFiles, NegativeSectionCountsMeanNoRecords) {
    EXPECT_EQ(Convert("t\n1 0 0 1\n9 0 0\nHARDCURVE\n1\n-2\nmultiCZM\n-1\nITOUGH\n1\n1 1 -3\n"
                      "ACRACKS\n-1\n-1\n-1\nENDBC\n"),
              "t\n1 0 0 1\n1 0 0\nHARDCURVE\n1\n-2\nmultiCZM\n-1\nITOUGH\n1\n1 1 -3\n"
              "ACRACKS\n-1\n-1\n-1\nENDBC\n");
}

TEST(ConvertFiles, NegativeBlockCountsAreWrittenAsReadWithoutRecords) {
    EXPECT_EQ(Convert("t\n-1 -2 -3 1\nENDBC\n"), "t\n-1 -2 -3 1\nENDBC\n");
}

TEST(ConvertFiles, LayeredFileWithOneLayerAlwaysHasABoundaryPart) {
    EXPECT_EQ(Convert("t\n1 0 2\n2 1\n1 1 4 8\n8 0 0\n4 1 0\nAFIXITY\n1\n4 1 0\n"),
              "t\n1 0 2\n2 1\n1 1 2 1\n1 0 0\n2 1 0\nAFIXITY\n1\n2 1 0\n");
    EXPECT_EQ(Convert("t\n1 0 2\n-1 0\n3 0 0\nENDBC\n"), "t\n1 0 2\n-1 0\n1 0 0\nENDBC\n");
}

TEST(ConvertFiles, LayeredFileWithoutLayers) {
    EXPECT_EQ(Convert("t\n0 1 2\n1 5 0.2\nanything\n"), "t\n0 1 2\n1 5 0.2\n");
    EXPECT_EQ(Convert("t\n-4 0 2\n"), "t\n-4 0 2\n");
}

TEST(ConvertFiles, EveryLayerStartsItsOwnNumbering) {
    // Layer 2 cannot see layer 1's node id 5, and its own id 5 is its first node.
    EXPECT_EQ(Convert("t\n2 0 2\n-1 1\n1 1 5\n5 0 0\nENDBC\n-2 1\n1 1 6 5\n5 1 1\n6 2 2\n"
                      "AFIXITY\n1\n6 1 0\n"),
              "t\n2 0 2\n-1 1\n1 1 1\n1 0 0\nENDBC\n-2 1\n1 1 2 1\n1 1 1\n2 2 2\n"
              "AFIXITY\n1\n2 1 0\n");
}

TEST(ConvertFiles, InputIsRewoundFirst) {
    std::istringstream in("t\n1 0 0 1\n1 0 0\n");
    std::string skipped;
    std::getline(in, skipped);
    std::ostringstream out;
    Zenta2D::ConvertFiles(in, out);
    EXPECT_EQ(out.str(), "t\n1 0 0 1\n1 0 0\n");
}

}  // namespace
