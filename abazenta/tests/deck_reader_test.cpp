// Reading a deck into keyword blocks: keyword lines, parameters, continuation lines, comments,
// included files, and the form in which lines are shown.
#include "deck_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace abazenta {
namespace {

// Blocks as "KEYWORD[NAME=value,...]{line|line}", line ends shown as "/".
std::vector<std::string> describe(const Deck& deck) {
    std::vector<std::string> blocks;
    for (const Block& block : deck.blocks) {
        std::string text = block.keyword + "[";
        for (const Parameter& p : block.parameters) text += p.name + "=" + p.value + ",";
        text += "]{";
        DataLines lines(block);
        std::string_view line;
        std::size_t count = 0;
        while (lines.next(line)) {
            for (char c : line) text += c == '\n' ? '/' : c;
            text += "|";
            ++count;
        }
        EXPECT_EQ(count, block.line_count) << text;
        blocks.push_back(text + "}");
    }
    return blocks;
}

std::vector<std::string> read(std::string_view text) {
    DeckSource source;
    source.text = text;
    return describe(read_deck(source));
}

using Blocks = std::vector<std::string>;

TEST(ReadDeck, NormalisesKeywordLinesAndKeepsDataLinesAsRead) {
    const struct {
        const char* text;
        Blocks blocks;
    } cases[] = {
        {"*Node, NSET=All\n1, 0., 0.\n** comment\n2, 1., 0.\n\n",
         {"NODE[NSET=All,]{1, 0., 0./|2, 1., 0./|/|}"}},
        {"*Element ,  type = cps4r , ELSET=Set-1\r\n", {"ELEMENT[TYPE=cps4r,ELSET=Set-1,]{}"}},
        {"*Nset, nset=A, generate\n1, 9, 2\n", {"NSET[NSET=A,GENERATE=,]{1, 9, 2/|}"}},
        {"*NODE OUTPUT\nU\n*NODE\tPRINT\n*node,,\n",
         {"NODEOUTPUT[]{U/|}", "NODEPRINT[]{}", "NODE[]{}"}},
        {"*Instance, name=\"Part 1, left\", part=P\n", {"INSTANCE[NAME=Part 1, left,PART=P,]{}"}},
        // A keyword line that ends with a comma goes on, even onto a data line.
        {"*Solid Section, elset=Set-1,\n material=Steel\n5.,\n",
         {"SOLIDSECTION[ELSET=Set-1,MATERIAL=Steel,]{5.,/|}"}},
        {"*Nset, nset=A,\n*Elset, elset=B\n", {"NSET[NSET=A,]{}", "ELSET[ELSET=B,]{}"}},
        // Element lines go on after a comma, other data lines do not; a keyword line ends the
        // continuation, a comment line is passed over.
        {"*ELEMENT, TYPE=C3D10\n1, 1, 2, 3, 4, 5, 6, 7, 8,\n 9, 10\n2, 5,\n** c\n6\n",
         {"ELEMENT[TYPE=C3D10,]{1, 1, 2, 3, 4, 5, 6, 7, 8,/ 9, 10/|2, 5,/6/|}"}},
        {"*ELEMENT\n1, 2,\n** a\r\n** b\n3,\n** c\n*NODE,\n**\n NSET=ALL\n7\n",
         {"ELEMENT[]{1, 2,/3,/|}", "NODE[NSET=ALL,]{7/|}"}},
        {"*NSET, NSET=A\n1, 2,\n3\n*ELEMENT\n1, 2,\n*NODE\n",
         {"NSET[NSET=A,]{1, 2,/|3/|}", "ELEMENT[]{1, 2,/|}", "NODE[]{}"}},
        // Data lines before the first keyword line form a block without keyword.
        {"1, 2\n*NODE\n7", {"[]{1, 2/|}", "NODE[]{7|}"}},
        // Nothing after the first *END STEP is read.
        {"*NODE\n1\n*End Step\n*NODE\n2\n", {"NODE[]{1/|}", "ENDSTEP[]{}"}},
        {"*\n1\n", {"[]{1/|}"}},
        {"** only\n**comments\n", {}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(read(c.text), c.blocks) << c.text;
}

TEST(ReadDeck, TellsWhatTheInputsFirstLineIs) {
    const struct {
        const char* text;
        FirstLine first;
    } cases[] = {
        {"", FirstLine::kOther},
        {"** c\n*NODE\n", FirstLine::kOther},
        {"*NODE\n1\n", FirstLine::kKeywordOfFirstBlock},
        {"1\n*NODE\n", FirstLine::kDataOfFirstBlock},
        {"*INCLUDE, INPUT=x.inp\n", FirstLine::kOther},
    };
    for (const auto& c : cases) {
        DeckSource source;
        source.text = c.text;
        source.load_include = [](const std::string&, const std::string&, IncludedFile& file) {
            file.text = "*NODE\n";
            return true;
        };
        EXPECT_EQ(read_deck(source).first_line, c.first) << c.text;
    }
}

// An in-memory file system: names as the loader sees them joined to the including folder.
struct Files {
    std::map<std::string, std::string> texts;
    std::vector<std::string> asked;  // "folder|name"

    DeckSource source(std::string_view text) {
        DeckSource deck;
        deck.text = text;
        deck.folder = "top";
        deck.identity = "top/main.inp";
        deck.load_include = [this](const std::string& name, const std::string& folder,
                                   IncludedFile& file) {
            asked.push_back(folder + "|" + name);
            const std::string path = folder + "/" + name;
            const auto found = texts.find(path);
            if (found == texts.end()) return false;
            file.text = found->second;
            file.folder = path.substr(0, path.rfind('/'));
            file.identity = path;
            return true;
        };
        return deck;
    }
};

TEST(ReadDeck, ReadsIncludedFilesInPlaceFromTheFolderOfTheIncludingFile) {
    Files files;
    files.texts["top/mesh/nodes.inp"] = "3, 0, 1\n*INCLUDE, INPUT=more.inp\n5, 1, 1";
    files.texts["top/mesh/more.inp"] = "4, 1, 0\n";
    const std::string main =
        "*NODE\n1, 0, 0\n*Include, input=mesh/nodes.inp\n*ELEMENT, TYPE=CPS3\n1, 1, 3, 4\n";
    const Deck deck = read_deck(files.source(main));
    EXPECT_EQ(describe(deck), (Blocks{"NODE[]{1, 0, 0/|3, 0, 1/|4, 1, 0/|5, 1, 1|}",
                                      "ELEMENT[TYPE=CPS3,]{1, 1, 3, 4/|}"}));
    EXPECT_EQ(files.asked, (std::vector<std::string>{"top|mesh/nodes.inp", "top/mesh|more.inp"}));
    EXPECT_FALSE(deck.stop);
}

// *NODE, INPUT= and *ELEMENT, INPUT=: the file's lines first (every one a data line, found as
// included files are), then the block's own.
TEST(ReadDeck, ReadsDataLinesOfNodesAndElementsFromTheirInputFile) {
    Files files;
    files.texts["top/mesh/nodes.dat"] = "1, 0, 0\n** c\n*2, x\n2, 1, 0";
    files.texts["top/els.dat"] = "1, 1,\n** c\n 2, 3\n";
    const std::string main =
        "*NODE, INPUT=mesh/nodes.dat\n9, 9, 9\n** c\n8\n*ELEMENT, TYPE=CPS3, INPUT=els.dat\n"
        "*NSET, NSET=A, INPUT=els.dat\n5\n";
    const Deck deck = read_deck(files.source(main));
    EXPECT_EQ(describe(deck),
              (Blocks{"NODE[INPUT=mesh/nodes.dat,]{1, 0, 0/|*2, x/|2, 1, 0|9, 9, 9/|8/|}",
                      "ELEMENT[TYPE=CPS3,INPUT=els.dat,]{1, 1,/ 2, 3/|}",
                      "NSET[NSET=A,INPUT=els.dat,]{5/|}"}));
    EXPECT_EQ(files.asked, (std::vector<std::string>{"top|mesh/nodes.dat", "top|els.dat"}));
    EXPECT_FALSE(deck.stop);

    const Deck absent = read_deck(files.source("*NODE, INPUT=none.dat\n1\n*ELEMENT\n"));
    EXPECT_EQ(describe(absent), (Blocks{"NODE[INPUT=none.dat,]{}"}));
    ASSERT_TRUE(absent.stop);
    EXPECT_STREQ(absent.stop->what(), "Included file none.dat could not be read\n");
}

// With all steps, reading goes on past *END STEP, includes too.
TEST(ReadDeck, ReadsEveryStepWhenAsked) {
    Files files;
    files.texts["top/a.inp"] = "*CLOAD\n1, 1, 1.\n";
    const Deck deck =
        read_deck(files.source("*NODE\n1\n*End Step\n*NODE\n2\n*INCLUDE, INPUT=a.inp\n"), true);
    EXPECT_EQ(describe(deck),
              (Blocks{"NODE[]{1/|}", "ENDSTEP[]{}", "NODE[]{2/|}", "CLOAD[]{1, 1, 1./|}"}));
}

TEST(ReadDeck, StopsAtAFileThatCannotBeIncluded) {
    const struct {
        std::string main;
        std::string message;
        Blocks blocks;  // read before the stop
    } cases[] = {
        {"*NODE\n1\n*INCLUDE, INPUT=absent.inp\n2\n",
         "Included file absent.inp could not be read\n",
         {"NODE[]{1/|}"}},
        {"*INCLUDE\n", "Included file  could not be read\n", {}},
        {"*NODE\n*INCLUDE, INPUT=loop.inp\n",
         "Included file main.inp includes itself\n",
         {"NODE[]{1/|}"}},
    };
    for (const auto& c : cases) {
        Files files;
        files.texts["top/loop.inp"] = "1\n*INCLUDE, INPUT=main.inp\n";
        files.texts["top/main.inp"] = c.main;
        const Deck deck = read_deck(files.source(c.main));
        EXPECT_EQ(describe(deck), c.blocks) << c.main;
        ASSERT_TRUE(deck.stop) << c.main;
        EXPECT_EQ(deck.stop->what(), c.message);
        EXPECT_EQ(deck.stop->status(), 1);
    }
    // Without a loader nothing can be included; after *END STEP nothing is opened at all.
    EXPECT_EQ(
        read_deck(DeckSource{"*INCLUDE, INPUT=a.inp\n", "", "", nullptr, nullptr}).stop->what(),
        std::string("Included file a.inp could not be read\n"));
    Files files;
    EXPECT_FALSE(read_deck(files.source("*END STEP\n*INCLUDE, INPUT=a.inp\n")).stop);
    EXPECT_TRUE(files.asked.empty());
}

TEST(ScannedText, ShowsLinesAsTheScannerAlwaysHas) {
    const struct {
        const char* raw;
        const char* shown;
    } cases[] = {
        {"*ELEMENT, TYPE=CPS8, ELSET=SET1\r\n", "*ELEMENT TYPE=CPS8 ELSET=SET1\r\n"},
        {"*NODE\tPRINT\n", "*NODE\tPRINT\n"},
        {"1, 2., 3.\n", "1  2.  3.\n"},
        {"100%", "100%"},
        {"*Solid Section, elset=A,\n material=B\n", "*SolidSection elset=A \n material=B\n"},
        {"1, 2,\n** note\n 3\n", "1  2 \n 3\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(scanned_text(c.raw), c.shown) << c.raw;
}

}  // namespace
}  // namespace abazenta
