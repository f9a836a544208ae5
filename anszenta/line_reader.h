// Reads an archive or listing in pieces of at most 254 characters, the way the archive readers
// have always read it: a longer line arrives as several pieces, each tested as a line.
#pragma once

#include <istream>
#include <string>
#include <vector>

class LineReader {
  public:
    static constexpr size_t kMaxPiece = 254;

    // Reads `in` from its current position; the reader buffers ahead, so the stream's position
    // afterwards is not the end of the last piece.
    explicit LineReader(std::istream& in) : in_(in), buffer_(1 << 16) {}

    // Reads the next piece into `piece` (with its line feed when the line ended within the
    // piece). Returns false at the end of the input.
    bool next(std::string& piece);

    // Hands `piece` out again by the next call of next(): the line that ended a block is read
    // once more by the loop around it.
    void unread(const std::string& piece) {
        pending_ = piece;
        hasPending_ = true;
    }

  private:
    bool fill();  // reads more of the stream into the buffer; false at its end

    std::istream& in_;
    std::vector<char> buffer_;
    size_t begin_ = 0;  // first unread character of the buffer
    size_t end_ = 0;    // end of the characters read into the buffer
    std::string pending_;
    bool hasPending_ = false;
};

// Text of `piece` from character `pos` on; empty when the piece is shorter. Parsing stops at
// an embedded NUL, as it would in a C buffer.
const char* fromPosition(const std::string& piece, size_t pos);

// True when the piece begins with `prefix` (compared up to the first NUL of the piece).
bool startsWith(const std::string& piece, const char* prefix);

// Skips `count` pieces of the reader.
void skipLines(LineReader& reader, int count);

// Skips to the piece that begins with `keyword` and past the format description line that
// follows it. Returns false when the input ends before the keyword.
bool enterBlock(LineReader& reader, const char* keyword);

// True for the end line of a block: "-1" alone, blanks and line end around it.
bool isBlockEndLine(const std::string& piece);

// True when the first character that is not a blank can begin a number: a row of a block.
bool isNumberRow(const std::string& piece);

// True when the piece begins with a letter, "/" or "*": an archive command line.
bool isCommandLine(const std::string& piece);

// Hands each row of a block whose keyword line has just been read to `row`, up to the end line
// "-1" or the end of the input. The format description line "(...)" and blank lines are passed
// over; a command line also ends the block, and is read again by the reader's next call.
template <typename Row>
void forEachBlockRow(LineReader& reader, Row row) {
    std::string line;
    while (reader.next(line) && !isBlockEndLine(line)) {
        if (isNumberRow(line)) {
            row(line);
        } else if (isCommandLine(line)) {
            reader.unread(line);
            return;
        }
    }
}
