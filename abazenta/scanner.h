// ABAQUS keyword scanner: reads the input line by line, normalises keyword and data lines and
// walks the keyword blocks, handing each block's lines to the handler its keyword has.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace abazenta {

enum LineKind { END_OF_INPUT = 0, KEYWORD_LINE = 1, DATA_LINE = 2 };

// Reads lines from an input held in memory, so that a second scan can start again from the
// first line whatever the input came from.
class LineScanner {
  public:
    // A line is read in pieces of at most this many characters, line end included; each
    // further piece of a longer line counts as a line of its own.
    static constexpr std::size_t kMaxPiece = 131;

    explicit LineScanner(std::string_view input) : input_(input) {}

    // Fills buffer() with the next keyword or data line, normalised, and says which it is.
    // Comment lines ("**") are passed over. Data lines get their commas turned into blanks;
    // keyword lines lose every blank, then get their commas turned into blanks.
    LineKind read_line();
    // Drops the next line (piece) unexamined.
    void discard_line() { next_piece(); }
    // The current line, with its line end when it had one.
    const std::string& buffer() const { return buffer_; }

  private:
    std::string_view next_piece();

    std::string_view input_;
    std::size_t pos_ = 0;
    std::string buffer_;
};

// The keyword of a normalised keyword line: the word after the "*", up to the first white
// space. "*ELEMENT TYPE=CPS8 ELSET=SET1\n" gives "ELEMENT".
std::string_view keyword_of(std::string_view keyword_line);

// A keyword whose blocks one scan reads, and what the scan does with their lines.
struct BlockRule {
    std::string_view keyword;
    std::function<void(std::string_view)> on_keyword_line;  // may be empty
    std::function<void(std::string_view)> on_data_line;
};

// The keyword that ends a scan; keyword lines lose their blanks, so *END STEP gives it too.
inline constexpr std::string_view kEndOfStep = "ENDSTEP";

// Walks the keyword blocks from the scanner's next line to the first *END STEP keyword line or
// the end of the input. Blocks whose keyword has no rule are skipped; when `echo` is given,
// every line read while skipping is written to it as normalised.
void walk_blocks(LineScanner& scanner, const std::vector<BlockRule>& rules, std::ostream* echo);

}  // namespace abazenta
