// ABAQUS deck reader: turns the text of an input file into keyword blocks. Everything that is
// purely textual is settled here (comment lines, case and blanks in keyword lines, keyword
// lines and element lines continued after a trailing comma, *INCLUDE files), so that the
// interpreter sees each keyword once, its parameters by name and its data lines whole.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "fields.h"

namespace abazenta {

// One parameter of a keyword line: TYPE=CPS4R, or GENERATE without a value.
struct Parameter {
    std::string name;   // upper case, without blanks
    std::string value;  // as written, without the blanks around it and without quotes
};

// A keyword line and the data lines that follow it up to the next keyword line.
struct Block {
    // Upper case without blanks ("ELEMENT", "ENDSTEP", "SOLIDSECTION"); empty for the data lines
    // that come before the first keyword line.
    std::string keyword;
    std::vector<Parameter> parameters;  // in the order written
    std::string_view keyword_text;      // the keyword line as read, with continuation lines
    // Where its data lines stand: stretches of text, each in one file, in which every line that
    // is not a comment line is a data line of the block (read them with DataLines).
    std::vector<std::string_view> stretches;
    std::size_t line_count = 0;    // data lines; a continued element line counts once
    bool continued_lines = false;  // data lines go on after a trailing comma (*ELEMENT)

    // The value of parameter `name` (upper case), or nullptr when the keyword line has none.
    const std::string* parameter(std::string_view name) const;
};

// The data lines of a block in order, each as read with its line end; an element line
// continued after a trailing comma is one view over all its lines (comment lines among them
// left out).
class DataLines {
  public:
    explicit DataLines(const Block& block) : block_(block) {}
    // The next data line, valid until the next call; false after the last.
    bool next(std::string_view& line);
    // The same, split into `fields` (as Fields::split splits it); a line that does not go on is
    // found and split in one pass.
    bool next(std::string_view& line, Fields& fields);

  private:
    // Moves on to the next line that is not a comment line, in `text`, its stretch; false after
    // the last.
    bool at_next_line(std::string_view& text);

    const Block& block_;
    std::size_t stretch_ = 0;
    std::size_t pos_ = 0;  // in the stretch
    std::string joined_;   // a continued line without the comment lines inside it
};

// A file named by *INCLUDE, as the loader found it.
struct IncludedFile {
    std::string text;
    std::string folder;    // where the relative names that it includes are looked for
    std::string identity;  // the same for every name of one file; empty when unknown
};

// Reads the file `name` (as written after INPUT=) named from a file in `folder` (empty: the
// current folder); false when it cannot be read.
using IncludeLoader =
    std::function<bool(const std::string& name, const std::string& folder, IncludedFile& file)>;

// The input of a translation and how to reach the files it includes.
struct DeckSource {
    std::string_view text;
    std::string folder;          // of the input file; empty for standard input
    std::string identity;        // of the input file; empty for standard input
    IncludeLoader load_include;  // when empty, no file can be included
    // Called once the text has been read through (after the scans), so that its memory can go
    // before the output model is assembled; may be empty.
    std::function<void()> release_text;
};

// What the input's first line is: the first scan passes over that line unread.
enum class FirstLine {
    kOther,                // a comment line, an *INCLUDE line, or no line at all
    kKeywordOfFirstBlock,  // the keyword line of blocks[0]
    kDataOfFirstBlock,     // the first data line of blocks[0], which has no keyword
};

struct Deck {
    std::vector<Block> blocks;
    FirstLine first_line = FirstLine::kOther;
    // Set when a file could not be included: the blocks end where it was named.
    std::optional<TranslationError> stop;
    // The texts of the included files, which the blocks point into.
    std::vector<std::unique_ptr<std::string>> included_texts;
};

// Reads the blocks of `source` up to the first *END STEP keyword line (its block is the last
// one): later steps are not translated, so nothing after it is read, not even its includes.
// With `all_steps` the whole input is read. The data lines of *NODE and *ELEMENT come first
// from the file that INPUT= names, if any (found as *INCLUDE files are), then from the deck.
Deck read_deck(const DeckSource& source, bool all_steps = false);

// Lines as read, in the form in which the translator has always shown them (the first scan's
// echo, the line of a load it cannot translate): comment lines left out, keyword lines without
// their blanks, commas turned into blanks, line ends kept.
std::string scanned_text(std::string_view raw);

}  // namespace abazenta
