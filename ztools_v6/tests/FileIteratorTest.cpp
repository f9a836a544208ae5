// FileIterator: line ends, buffer growth, field splitting, blank-line modes and rewinding.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FileIterator.h"
#include "files.h"

using ZTools::ContractViolation;
using ZTools::FileIterator;
using ZTools::String;

namespace {

using Lines = std::vector<std::vector<std::string>>;

// Reads the whole stream the way the converter does and returns each line's fields.
Lines ReadAll(const std::string& bytes, int mode = FileIterator::SIGNIFICANT_BLANK_LINES) {
    std::istringstream in(bytes);
    FileIterator it(in, mode);
    Lines lines;
    for (it.First(); it.More(); it.Next()) {
        std::vector<std::string> fields;
        for (int i = 0; i < it.Len(); ++i) fields.push_back(it[i].AsStr());
        lines.push_back(fields);
        if (lines.size() > 1000) break;  // a reader that never ends fails here, not by hanging
    }
    return lines;
}

// The raw text of every delivered line.
std::vector<std::string> RawLines(const std::string& bytes,
                                  int mode = FileIterator::SIGNIFICANT_BLANK_LINES) {
    std::istringstream in(bytes);
    FileIterator it(in, mode);
    std::vector<std::string> lines;
    for (it.First(); it.More() && lines.size() <= 1000; it.Next()) lines.push_back(it.Buff());
    return lines;
}

}  // namespace

TEST(FileIteratorLineEnds, LfCrLfAndLoneCrEachEndOneLine) {
    const std::vector<std::string> expected = {"a 1", "b 2", "c 3", "d"};
    EXPECT_EQ(RawLines("a 1\nb 2\nc 3\nd\n"), expected);
    EXPECT_EQ(RawLines("a 1\r\nb 2\r\nc 3\r\nd\r\n"), expected);
    EXPECT_EQ(RawLines("a 1\rb 2\rc 3\rd\r"), expected);
    EXPECT_EQ(RawLines("a 1\nb 2\r\nc 3\rd"), expected);
}

TEST(FileIteratorLineEnds, CrCrLfGivesOneEmptyLine) {
    const std::vector<std::string> expected = {"a", "", "b"};
    EXPECT_EQ(RawLines("a\r\r\nb\n"), expected);
    EXPECT_EQ(RawLines("a\n\nb\n"), expected);
    EXPECT_EQ(RawLines("a\r\rb"), expected);
}

TEST(FileIteratorLineEnds, LastLineWithoutLineEndIsDelivered) {
    std::istringstream in("1 2\n3 4");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    it.Next();
    EXPECT_TRUE(it.More());
    EXPECT_EQ(it.Len(), 2);
    EXPECT_EQ(it[1].AsInt(), 4);
    it.Next();
    EXPECT_FALSE(it.More());
    EXPECT_STREQ(it.Buff(), "");
}

TEST(FileIteratorLineEnds, FinalEmptyLineIsDeliveredWhenBlankLinesCount) {
    const Lines expected = {{"x"}, {}};
    EXPECT_EQ(ReadAll("x\n\n"), expected);
    EXPECT_EQ(ReadAll("x\n"), Lines{{"x"}});
    EXPECT_EQ(ReadAll(""), Lines{});
    EXPECT_EQ(ReadAll("\n"), Lines{{}});
}

TEST(FileIteratorLineEnds, FinalEmptyLineIsDeliveredWhateverTheLineEnd) {
    const Lines expected = {{"x"}, {}};
    EXPECT_EQ(ReadAll("x\r\r"), expected);
    EXPECT_EQ(ReadAll("x\r\n\r\n"), expected);
    EXPECT_EQ(ReadAll("x\r"), Lines{{"x"}});
    EXPECT_EQ(ReadAll("x\r", FileIterator::IGNORE_BLANK_LINES), Lines{{"x"}});
    EXPECT_EQ(ReadAll("x\r  \r", FileIterator::IGNORE_BLANK_LINES), Lines{{"x"}});
}

TEST(FileIteratorBuffer, A255CharacterLineFitsInline) {
    const std::string line(255, 'x');
    std::istringstream in(line + "\nshort\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_EQ(std::string(it.Buff()), line);
    EXPECT_TRUE(it.IsInline());
    EXPECT_EQ(it.Capacity(), 255);
}

TEST(FileIteratorBuffer, LongLinesGrowTheBufferByDoubling) {
    const std::string line300(300, 'y');
    const std::string line1500 = std::string(700, 'a') + " " + std::string(799, 'b');
    std::istringstream in(line300 + "\nshort\n" + line1500 + "\nend");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_EQ(std::string(it.Buff()), line300);
    EXPECT_FALSE(it.IsInline());
    EXPECT_EQ(it.Capacity(), 511);
    it.Next();
    EXPECT_STREQ(it.Buff(), "short");
    EXPECT_EQ(it.Capacity(), 511);  // never shrinks while lines are read
    it.Next();
    EXPECT_EQ(std::string(it.Buff()), line1500);
    EXPECT_EQ(it.Capacity(), 2047);
    EXPECT_EQ(it.Len(), 2);
    EXPECT_EQ(it[1].Len(), 799);
    it.Next();
    EXPECT_EQ(it.Capacity(), 2047);
    it.Next();  // end of input: back to the inline buffer
    EXPECT_FALSE(it.More());
    EXPECT_TRUE(it.IsInline());
    EXPECT_EQ(it.Capacity(), 255);
}

TEST(FileIteratorBuffer, GrowthStepsAtEachPowerOfTwo) {
    const int lengths[] = {256, 511, 512, 1023, 1024, 5000};
    const int capacities[] = {511, 511, 1023, 1023, 2047, 8191};
    for (int k = 0; k < 6; ++k) {
        std::istringstream in(std::string(static_cast<std::size_t>(lengths[k]), 'z'));
        FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
        it.First();
        EXPECT_EQ(static_cast<int>(std::string(it.Buff()).size()), lengths[k]);
        EXPECT_EQ(it.Capacity(), capacities[k]) << lengths[k];
    }
}

TEST(FileIteratorFields, BlanksAndTabsSeparateFieldsWithoutEmptyOnes) {
    EXPECT_EQ(ReadAll(" \t one\t\ttwo   three \t \n"), (Lines{{"one", "two", "three"}}));
    EXPECT_EQ(ReadAll("a,b \"c d\"\n"), (Lines{{"a,b", "\"c", "d\""}}));
}

TEST(FileIteratorFields, NegativeIndicesCountFromTheEnd) {
    std::istringstream in("10 20 30\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_EQ(it[-1].AsInt(), 30);
    EXPECT_EQ(it[-3].AsInt(), 10);
}

TEST(FileIteratorFields, OutOfRangeFieldsThrowTheListCondition) {
    std::istringstream in("10 20 30\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    for (int bad : {3, -4, 1000}) {
        try {
            it[bad];
            FAIL() << bad;
        } catch (const ContractViolation& e) {
            EXPECT_STREQ(e.what(), "(i >= -NumArrayEntries) && (i < NumArrayEntries)");
        }
    }
    EXPECT_EQ(it.Len(), 3);
}

TEST(FileIteratorFields, ALineWithoutFieldsGivesOneEmptyFieldOnDemand) {
    std::istringstream in(" \t \nx\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_EQ(it.Len(), 0);
    EXPECT_STREQ(it[0].AsStr(), "");
    EXPECT_EQ(it.Len(), 1);
    EXPECT_STREQ(it[-1].AsStr(), "");
    EXPECT_THROW(it[1], ContractViolation);
    it.Next();
    EXPECT_EQ(it.Len(), 1);
    EXPECT_STREQ(it[0].AsStr(), "x");
}

TEST(FileIteratorFields, FieldsAreComputedAgainForEachLine) {
    std::istringstream in("a b c\nd\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_EQ(it.Len(), 3);
    it.Next();
    EXPECT_EQ(it.Len(), 1);
    EXPECT_STREQ(it[0].AsStr(), "d");
    EXPECT_THROW(it[1], ContractViolation);
}

TEST(FileIteratorFields, Byte255EndsTheFieldScan) {
    EXPECT_EQ(ReadAll("a b\xff"
                      "c d\n"),
              (Lines{{"a", "b"}}));
    EXPECT_EQ(RawLines("a b\xff"
                       "c d\n"),
              std::vector<std::string>{"a b\xff"
                                       "c d"});
}

TEST(FileIteratorBlankModes, IgnoredBlankLinesAreSkipped) {
    const std::string text = "1 2\n\n \t \n3 4\n";
    EXPECT_EQ(ReadAll(text, FileIterator::IGNORE_BLANK_LINES), (Lines{{"1", "2"}, {"3", "4"}}));
    EXPECT_EQ(ReadAll(text, FileIterator::SIGNIFICANT_BLANK_LINES),
              (Lines{{"1", "2"}, {}, {}, {"3", "4"}}));
    EXPECT_EQ(ReadAll("\n\nlast", FileIterator::IGNORE_BLANK_LINES), (Lines{{"last"}}));
}

TEST(FileIteratorBlankModes, OnlyBlankLinesEndWithAnEmptyCurrentLine) {
    std::istringstream in("\n  \n\t\n");
    FileIterator it(in, FileIterator::IGNORE_BLANK_LINES);
    it.First();
    EXPECT_FALSE(it.More());
    EXPECT_STREQ(it.Buff(), "");
    EXPECT_EQ(it.Len(), 0);
}

TEST(FileIteratorBlankModes, TheLastLineReadAtTheEndIsDelivered) {
    // A last line of blanks without a line end is read at the end of input and delivered.
    std::istringstream in("a\n\n  ");
    FileIterator it(in, FileIterator::IGNORE_BLANK_LINES);
    it.First();
    EXPECT_STREQ(it.Buff(), "a");
    it.Next();
    EXPECT_TRUE(it.More());
    EXPECT_STREQ(it.Buff(), "  ");
    it.Next();
    EXPECT_FALSE(it.More());
}

TEST(FileIteratorRewind, FirstStartsAgainAtTheFirstLine) {
    std::istringstream in("one\ntwo\nthree\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    it.Next();
    it.Next();
    EXPECT_STREQ(it[0].AsStr(), "three");
    it.First();
    EXPECT_STREQ(it[0].AsStr(), "one");
    for (int i = 0; i < 5; ++i) it.Next();
    EXPECT_FALSE(it.More());
    it.First();  // also after the end of input
    EXPECT_TRUE(it.More());
    EXPECT_STREQ(it[0].AsStr(), "one");
}

TEST(FileIteratorRewind, NothingIsReadBeforeFirst) {
    std::istringstream in("data\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    EXPECT_STREQ(it.Buff(), "");
    EXPECT_EQ(it.Len(), 0);
    EXPECT_EQ(in.tellg(), 0);
}

TEST(FileIteratorStreams, AnUnreadableStreamBehavesAsAtItsEnd) {
    std::ifstream missing("/nonexistent-folder/none.inp");
    FileIterator it(missing, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_FALSE(it.More());
    EXPECT_STREQ(it.Buff(), "");

    std::istream detached(nullptr);  // no buffer at all: every read fails without end of file
    FileIterator it2(detached, FileIterator::IGNORE_BLANK_LINES);
    it2.First();
    EXPECT_FALSE(it2.More());
    it2.Next();
    EXPECT_FALSE(it2.More());
}

TEST(FileIteratorStreams, ReadsAFileStreamInBinaryMode) {
    zenta_test::ScratchDir dir;
    zenta_test::writeFile(dir.file("m.inp"), "title\r\n 3 2 1 \r\n");
    std::ifstream in(dir.file("m.inp"), std::ios::binary);
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_STREQ(it.Buff(), "title");
    it.Next();
    EXPECT_EQ(it.Len(), 3);
    EXPECT_EQ(it[0].AsInt() + it[1].AsInt() + it[2].AsInt(), 6);
    it.Next();
    EXPECT_FALSE(it.More());
}

// The stream is read ahead in blocks of 65536 bytes: lines and line ends that straddle a block
// boundary read as any other.
TEST(FileIteratorStreams, LinesAcrossReadAheadBlocksReadWhole) {
    constexpr std::size_t kBlock = 65536;
    const std::string before(kBlock - 1, 'a');  // its CR is the block's last byte
    EXPECT_EQ(RawLines(before + "\r\nnext\n"), (std::vector<std::string>{before, "next"}));
    EXPECT_EQ(RawLines(before + "\rnext"), (std::vector<std::string>{before, "next"}));
    EXPECT_EQ(RawLines(before + "\r"), (std::vector<std::string>{before}));
    EXPECT_EQ(RawLines(before + "\r\r"), (std::vector<std::string>{before, ""}));

    const std::string longLine = std::string(150000, 'w') + " tail";
    std::istringstream in("head\n" + longLine + "\nlast");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    it.Next();
    EXPECT_EQ(std::string(it.Buff()), longLine);
    EXPECT_EQ(it.Capacity(), 262143);
    EXPECT_EQ(it.Len(), 2);
    it.Next();
    EXPECT_STREQ(it.Buff(), "last");
    EXPECT_TRUE(it.More());
    it.Next();
    EXPECT_FALSE(it.More());
}

// A stream that cannot be rewound (a pipe) goes on at the next line after First(), as it did
// when it was read a character at a time.
TEST(FileIteratorStreams, FirstOnAStreamThatCannotSeekGoesOn) {
    struct NoSeek : std::stringbuf {
        explicit NoSeek(const std::string& text) : std::stringbuf(text) {}
        pos_type seekoff(off_type, std::ios::seekdir, std::ios::openmode) override {
            return pos_type(off_type(-1));
        }
        pos_type seekpos(pos_type, std::ios::openmode) override { return pos_type(off_type(-1)); }
    };
    NoSeek buffer("one\ntwo\nthree\n");
    std::istream in(&buffer);
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_STREQ(it.Buff(), "one");
    it.First();
    EXPECT_STREQ(it.Buff(), "two");
    it.Next();
    EXPECT_STREQ(it.Buff(), "three");
    it.Next();
    EXPECT_FALSE(it.More());
}

TEST(FileIteratorExtras, PushedLinesComeBackBeforeTheStream) {
    std::istringstream in("first 1\nsecond 2\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    EXPECT_EQ(it.Len(), 2);
    it.Push();
    it.Next();
    EXPECT_STREQ(it.Buff(), "first 1");
    EXPECT_STREQ(it[0].AsStr(), "first");
    ++it;
    EXPECT_STREQ(*it, "second 2");
    it++;
    EXPECT_FALSE(it.More());
}

TEST(FileIteratorExtras, APushedLongLineComesBackWholeAndFirstDropsIt) {
    const std::string longLine = std::string(600, 'w') + " tail";
    std::istringstream in(longLine + "\nnext\n");
    FileIterator it(in, FileIterator::SIGNIFICANT_BLANK_LINES);
    it.First();
    it.Push();
    it.Push();
    it.Next();
    EXPECT_EQ(std::string(it.Buff()), longLine);
    EXPECT_EQ(it.Len(), 2);
    EXPECT_STREQ(it[1].AsStr(), "tail");
    it.First();  // drops the line still put back
    it.Next();
    EXPECT_STREQ(it.Buff(), "next");
    it.Next();
    EXPECT_FALSE(it.More());
}
