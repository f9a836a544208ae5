// Reading, sorting and normalising lines, and walking keyword blocks.
#include "scanner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace abazenta {
namespace {

using Lines = std::vector<std::pair<LineKind, std::string>>;

Lines read_all_lines(std::string_view input) {
    LineScanner scanner(input);
    Lines lines;
    for (LineKind kind = scanner.read_line(); kind != END_OF_INPUT; kind = scanner.read_line())
        lines.emplace_back(kind, scanner.buffer());
    return lines;
}

TEST(LineScanner, SortsKeywordDataAndCommentLines) {
    EXPECT_EQ(read_all_lines("*NODE, NSET=ALL\n** a comment\n1, 2., 3.\n\n*END STEP"),
              (Lines{{KEYWORD_LINE, "*NODE NSET=ALL\n"},
                     {DATA_LINE, "1  2.  3.\n"},
                     {DATA_LINE, "\n"},
                     {KEYWORD_LINE, "*ENDSTEP"}}));
    EXPECT_TRUE(read_all_lines("").empty());
    EXPECT_TRUE(read_all_lines("** only\n**comments\n").empty());
}

TEST(LineScanner, KeywordLinesLoseBlanksButKeepTabsAndLineEnds) {
    EXPECT_EQ(read_all_lines("*ELEMENT, TYPE=CPS8, ELSET=SET1\r\n*NODE\tPRINT\n"),
              (Lines{{KEYWORD_LINE, "*ELEMENT TYPE=CPS8 ELSET=SET1\r\n"},
                     {KEYWORD_LINE, "*NODE\tPRINT\n"}}));
}

TEST(LineScanner, ReadsLongLinesInPiecesOf131Characters) {
    const std::string long_data(200, '7');
    EXPECT_EQ(read_all_lines(long_data + "\n"), (Lines{{DATA_LINE, long_data.substr(0, 131)},
                                                       {DATA_LINE, long_data.substr(131) + "\n"}}));
    // 131 characters before the line end: the line end alone is the second piece.
    const std::string exact(131, '5');
    EXPECT_EQ(read_all_lines(exact + "\n*NODE\n"),
              (Lines{{DATA_LINE, exact}, {DATA_LINE, "\n"}, {KEYWORD_LINE, "*NODE\n"}}));
    // 130 characters and the line end fill one piece.
    EXPECT_EQ(read_all_lines(std::string(130, '5') + "\n"),
              (Lines{{DATA_LINE, std::string(130, '5') + "\n"}}));
}

TEST(LineScanner, DiscardLineDropsOnePieceUnexamined) {
    LineScanner scanner("*NODE\n1, 0, 0\n");
    scanner.discard_line();
    EXPECT_EQ(scanner.read_line(), DATA_LINE);
    EXPECT_EQ(scanner.buffer(), "1  0  0\n");
    EXPECT_EQ(scanner.read_line(), END_OF_INPUT);
}

TEST(KeywordOf, TakesTheWordAfterTheStar) {
    EXPECT_EQ(keyword_of("*ELEMENT TYPE=CPS8 ELSET=SET1\n"), "ELEMENT");
    EXPECT_EQ(keyword_of("*NODE\n"), "NODE");
    EXPECT_EQ(keyword_of("*NODE\r\n"), "NODE");
    EXPECT_EQ(keyword_of("*NODE\tPRINT\n"), "NODE");
    EXPECT_EQ(keyword_of("*ENDSTEP"), "ENDSTEP");
    EXPECT_EQ(keyword_of("*\n"), "");
    EXPECT_EQ(keyword_of(""), "");
}

// Records what a walk hands to its rules, and what it echoes.
struct WalkRecord {
    std::vector<std::string> calls;
    std::ostringstream echo;

    std::vector<BlockRule> rules() {
        auto log = [this](std::string tag) {
            return [this, tag](std::string_view line) { calls.push_back(tag + std::string(line)); };
        };
        return {{"NODE", nullptr, log("node:")},
                {"ELEMENT", log("header:"), log("element:")},
                {"CLOAD", nullptr, log("cload:")}};
    }
};

std::vector<std::string> walk(std::string_view input, bool with_echo,
                              std::string* echoed = nullptr) {
    WalkRecord record;
    LineScanner scanner(input);
    walk_blocks(scanner, record.rules(), with_echo ? &record.echo : nullptr);
    if (echoed != nullptr) *echoed = record.echo.str();
    return record.calls;
}

TEST(WalkBlocks, HandsEachBlockLineToItsRule) {
    const std::string input =
        "*NODE, NSET=ALL\n1, 0., 0.\n** between\n2, 1., 0.\n\n"
        "*ELEMENT, TYPE=CPS3, ELSET=SET1\n1, 1, 2, 3\n"
        "*CLOAD\n1, 2, -5.\n";
    EXPECT_EQ(walk(input, false),
              (std::vector<std::string>{"node:1  0.  0.\n", "node:2  1.  0.\n", "node:\n",
                                        "header:*ELEMENT TYPE=CPS3 ELSET=SET1\n",
                                        "element:1  1  2  3\n", "cload:1  2  -5.\n"}));
}

TEST(WalkBlocks, EchoesTheLinesOfSkippedBlocksButNotTheirKeywordLine) {
    std::string echoed;
    const std::string input =
        "*HEADING\ntitle, with comma\n** hidden\n*Node\n1, 2\n100%\n*NODE\n5, 0, 0\n"
        "*BOUNDARY\n5, 1\n*END STEP\n*NODE\n6, 0, 0\n";
    EXPECT_EQ(walk(input, true, &echoed), (std::vector<std::string>{"node:5  0  0\n"}));
    EXPECT_EQ(echoed, "title  with comma\n*Node\n1  2\n100%\n*NODE\n5  1\n*ENDSTEP\n");
    std::string silent;
    walk(input, false, &silent);
    EXPECT_EQ(silent, "");
}

TEST(WalkBlocks, EndsAtEveryFormOfEndStep) {
    for (const char* end : {"*END STEP\n", "*ENDSTEP\n", "*END  STEP\n", "*END, STEP\n"}) {
        const std::string input = std::string("*NODE\n1\n") + end + "*NODE\n2\n";
        const auto calls = walk(input, false);
        if (std::string(end) == "*END, STEP\n") {
            // The comma makes two words: END is another keyword, and the walk goes on.
            EXPECT_EQ(calls, (std::vector<std::string>{"node:1\n", "node:2\n"}));
        } else {
            EXPECT_EQ(calls, (std::vector<std::string>{"node:1\n"})) << end;
        }
    }
}

TEST(WalkBlocks, DataLinesBeforeAnyKeywordAreSkipped) {
    std::string echoed;
    EXPECT_EQ(walk("1, 2\n3, 4\n*NODE\n7\n", true, &echoed),
              (std::vector<std::string>{"node:7\n"}));
    EXPECT_EQ(echoed, "3  4\n*NODE\n");  // the walk's first line is current, not echoed
}

TEST(WalkBlocks, KeywordsAreCaseSensitiveAndCompareInFull) {
    EXPECT_TRUE(walk("*node\n1\n*Node\n2\n*NODEPRINT\n3\n*NODE OUTPUT\n4\n", false).empty());
    EXPECT_EQ(walk("*NODE,NSET=ALL\n1\n", false), (std::vector<std::string>{"node:1\n"}));
}

}  // namespace
}  // namespace abazenta
