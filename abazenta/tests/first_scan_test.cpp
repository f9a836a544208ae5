// The first scan: what it counts, and which lines it echoes.
#include "first_scan.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "error.h"

namespace abazenta {
namespace {

struct Scanned {
    FirstScanCounts counts;
    std::string echo;
};

Scanned scan(std::string_view text) {
    DeckSource source;
    source.text = text;
    std::ostringstream echo;
    Scanned scanned;
    scanned.counts = first_scan(read_deck(source), &echo);
    scanned.echo = echo.str();
    return scanned;
}

TEST(FirstScan, CountsAndEchoesAsTheTranslatorAlwaysHas) {
    const struct {
        const char* text;
        int nodes, elements, loads;
        const char* echo;
    } cases[] = {
        // The first line is passed over: "1" is a data line outside any block, and the lines
        // after it are echoed up to the next keyword line, which is echoed too.
        {"*NODE\n1\n2\n*NODE\n3\n\n*ELEMENT\n1 1 2 3\n*CLOAD\n1 1 1\n*END STEP\n*NODE\n4\n", 2, 1,
         1, "2\n*NODE\n"},
        // Keywords in any case; the keyword line that opens a skipped block is not echoed,
        // its lines and the keyword line after them are.
        {"*HEADING\ntitle, with comma\n** hidden\n*Node\n1, 2\n100%\n*NODE\n5, 0, 0\n"
         "*BOUNDARY\n5, 1\n*END STEP\n*NODE\n6, 0, 0\n",
         3, 0, 0, "*Node\n5  1\n*ENDSTEP\n"},
        {"1, 2\n3, 4\n*NODE\n7\n", 1, 0, 0, "*NODE\n"},
        {"** x\n1, 2\n3, 4\n*NODE\n7\n", 1, 0, 0, "3  4\n*NODE\n"},
        // A continued element line counts once.
        {"** x\n*ELEMENT, TYPE=CPS8\n1, 1, 2, 3, 4,\n 5, 6, 7, 8\n*Cload\nSet-1, 2, 5.\n", 0, 1, 1,
         ""},
        {"** x\n*STEP\n*STATIC\n*END STEP\n", 0, 0, 0, "*STATIC\n*ENDSTEP\n"},
    };
    for (const auto& c : cases) {
        const Scanned scanned = scan(c.text);
        EXPECT_EQ(scanned.counts.nodes, c.nodes) << c.text;
        EXPECT_EQ(scanned.counts.elements, c.elements) << c.text;
        EXPECT_EQ(scanned.counts.loads, c.loads) << c.text;
        EXPECT_EQ(scanned.echo, c.echo) << c.text;
    }
}

TEST(FirstScan, StopsWhereAFileCouldNotBeIncludedAfterEchoingWhatCameBefore) {
    DeckSource source;
    source.text = "** x\n*STEP\n*STATIC\n*INCLUDE, INPUT=loads.inp\n*CLOAD\n1, 1, 1.\n";
    std::ostringstream echo;
    try {
        first_scan(read_deck(source), &echo);
        FAIL() << "no error";
    } catch (const TranslationError& error) {
        EXPECT_STREQ(error.what(), "Included file loads.inp could not be read\n");
        EXPECT_EQ(error.status(), 1);
    }
    EXPECT_EQ(echo.str(), "*STATIC\n");
}

}  // namespace
}  // namespace abazenta
