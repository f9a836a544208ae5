// Malformed legacy files: every one must end in FormatError, whatever record is wrong.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "convert.h"

namespace {

struct Malformed {
    const char* what;
    const char* legacy;
};

// A valid single-model head: one material, one element, two nodes.
#define HEAD "t\n2 1 1 1\n1 2.0e5 0.3\n1 1 10 20\n10 0 0\n20 1 0\n"
// A valid node block to put a boundary part after.
#define NODES_ONLY "t\n2 0 0 1\n10 0 0\n20 1 0\n"

const Malformed kMalformed[] = {
    {"empty file", ""},
    {"counts line of two tokens", "t\n10 5\n"},
    {"counts line of five tokens", "t\n1 1 1 1 1\n"},
    {"blank counts line", "t\n\n1 1 1 1\n"},
    {"material line without a value", "t\n0 0 1 1\n1\n"},
    {"blank material line", "t\n0 0 1 1\n\n1 2 3\n"},
    {"materials cut short by the end", "t\n0 0 2 1\n1 2 3\n"},
    {"element line of one token", "t\n1 1 0 1\n1\n10 0 0\n"},
    {"blank element line", "t\n1 1 0 1\n\n10 0 0\n"},
    {"node line of two tokens", "t\n1 0 0 1\n10 0\n"},
    {"nodes cut short by the end", "t\n2 0 0 1\n10 0 0\n"},
    {"blank node line", "t\n2 0 0 1\n10 0 0\n\n20 0 0\n"},
    {"element slot naming no node", "t\n1 1 0 1\n1 1 11\n10 0 0\n"},
    {"element slot of node count + 3", "t\n1 1 0 1\n1 1 4\n10 0 0\n"},
    {"negative element slot", "t\n1 1 0 1\n1 1 -10\n10 0 0\n"},
    {"layer header of one token", "t\n1 0 2\n3\n"},
    {"layer header missing", "t\n1 0 2\n"},
    {"second layer header missing", "t\n2 0 2\n-1 0\n1 0 0\nENDBC\n"},
    {"second layer header swallowed by a part without ENDBC",
     "t\n2 0 2\n-1 0\n1 0 0\n1 0\n2 0 0\n"},
    {"fixity count missing", NODES_ONLY "AFIXITY\n"},
    {"blank fixity count", NODES_ONLY "AFIXITY\n\n1\n10 1 0\n"},
    {"fixity record of two tokens", NODES_ONLY "AFIXITY\n1\n10 1\n"},
    {"fixity naming no node", NODES_ONLY "AFIXITY\n1\n30 1 0\n"},
    {"fixities cut short by the end", NODES_ONLY "AFIXITY\n2\n10 1 0\n"},
    {"blank fixity record", NODES_ONLY "AFIXITY\n2\n10 1 0\n\n20 1 0\n"},
    {"load record of three tokens", NODES_ONLY "ALOADS\n1\n10 1 5.0\n"},
    {"load naming no node", NODES_ONLY "ALOADS\n1\n11 1 5.0 0\n"},
    {"load types of five integers", NODES_ONLY "LOADTYP\n1 2 3 4 5\n"},
    {"load types missing", NODES_ONLY "LOADTYP\n"},
    {"crack group count missing", NODES_ONLY "ACRACKS\n1\n10\n0\n"},
    {"crack node naming no node", NODES_ONLY "ACRACKS\n1\n12\n0\n0\n"},
    {"blank crack node", NODES_ONLY "ACRACKS\n1\n\n0\n0\n"},
    {"hardening table count missing", NODES_ONLY "HARDCURVE\n2\n1\n0 100\n"},
    {"hardening point of one value", NODES_ONLY "HARDCURVE\n1\n1\n0.1\n"},
    {"cohesive-zone row without a value", NODES_ONLY "multiCZM\n2\n1 2 3\n\n"},
    {"cohesive-zone rows cut short", NODES_ONLY "ParticleCZM\n3\n1\n2\n"},
    {"toughness table header of two tokens", NODES_ONLY "ITOUGH\n1\n1 2\n"},
    {"toughness point of one value", NODES_ONLY "ITOUGH\n1\n1 2 1\n45\n"},
    {"toughness points cut short", NODES_ONLY "ITOUGH\n1\n1 2 2\n45 1\n"},
    {"huge counts cut short", "t\n2000000000 2000000000 0 1\n1 1 1\n"},
    {"huge section count cut short", NODES_ONLY "multiCZM\n2147483647\n1\n"},
    {"whole record after a good head cut", HEAD "AFIXITY\n3\n10 1 0\n20 2 0\n"},
};

#undef HEAD
#undef NODES_ONLY

TEST(ConvertFilesMalformed, EveryMalformedFileThrowsFormatError) {
    for (const Malformed& m : kMalformed) {
        SCOPED_TRACE(m.what);
        std::istringstream in(m.legacy);
        std::ostringstream out;
        try {
            Zenta2D::ConvertFiles(in, out);
            ADD_FAILURE() << "converted without error into:\n" << out.str();
        } catch (const Zenta2D::FormatError& e) {
            EXPECT_STREQ(e.what(), "File Format Error!!");
            EXPECT_EQ(e.status(), 1);
        }
    }
}

TEST(ConvertFilesMalformed, BadCountsLineLeavesOnlyTheTitleWritten) {
    std::istringstream in("my  model\n10 5\n1 2 3\n");
    std::ostringstream out;
    EXPECT_THROW(Zenta2D::ConvertFiles(in, out), Zenta2D::FormatError);
    EXPECT_EQ(out.str(), "my model\n");
}

// The lines finished before a failure are written, and nothing of the line it cut short.
TEST(ConvertFilesMalformed, EveryLineBeforeTheFailureIsWrittenAndNoPartOfTheFailingOne) {
    const struct {
        const char* legacy;
        const char* written;
    } cases[] = {
        {"t\n2 2 0 1\n1 1 10 20\n2 1 10 99\n10 0 0\n20 1 0\n", "t\n2 2 0 1\n1 1 1 2\n"},
        {"t\n2 0 0 1\n10 0 0\n20 1 0\nAFIXITY\n2\n10 1 0\n30 1 0.5\n",
         "t\n2 0 0 1\n1 0 0\n2 1 0\nAFIXITY\n2\n1 1 0\n"},
        {"t\n2 0 0 1\n10 0 0\n20 1 0\nALOADS\n1\n10 1 2.5\n",
         "t\n2 0 0 1\n1 0 0\n2 1 0\nALOADS\n1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legacy);
        std::istringstream in(c.legacy);
        std::ostringstream out;
        EXPECT_THROW(Zenta2D::ConvertFiles(in, out), Zenta2D::FormatError);
        EXPECT_EQ(out.str(), c.written);
    }
}

TEST(ConvertFilesMalformed, VeryLongLinesAndBinaryBytesAreRead) {
    // A 100000-character title and material line; bytes of every value outside the format.
    std::string title(100000, 'x');
    std::string values;
    for (int i = 0; i < 20000; ++i) values += " 1.5";
    std::istringstream in(title + "\n0 0 1 1\n1" + values + "\n\x01\xff\x7f junk\n");
    std::ostringstream out;
    Zenta2D::ConvertFiles(in, out);
    std::string expected_values;
    for (int i = 0; i < 20000; ++i) expected_values += " 1.5";
    EXPECT_EQ(out.str(), title + "\n0 0 1 1\n1" + expected_values + "\n");
}

}  // namespace
