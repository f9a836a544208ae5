// Reads an archive or listing in pieces of at most 254 characters, the way the archive readers
// have always read it: a longer line arrives as several pieces, each tested as a line.
#pragma once

#include <cstddef>
#include <cstring>
#include <istream>
#include <string>
#include <vector>

class LineReader {
  public:
    static constexpr size_t kMaxPiece = 254;

    // Reads `in` from its current position, in blocks; the stream's position afterwards is not
    // the end of the last piece.
    explicit LineReader(std::istream& in) : in_(in), buffer_(kBlockSize) {}

    // Reads the next piece into `piece` (with its line feed when the line ended within the
    // piece). Returns false at the end of the input.
    bool next(std::string& piece);

  private:
    static constexpr size_t kBlockSize = 1 << 16;

    // Moves the unread characters to the front of the buffer and reads the stream behind them
    // until the buffer is full or the stream ends, so that a whole piece lies in the buffer.
    void refill();

    std::istream& in_;
    std::vector<char> buffer_;
    size_t begin_ = 0;  // first unread character of the buffer
    size_t end_ = 0;    // end of the characters read into the buffer
    bool streamEnded_ = false;
};

// Text of `piece` from character `pos` on; empty when the piece is shorter. Parsing stops at
// an embedded NUL, as it would in a C buffer.
const char* fromPosition(const std::string& piece, size_t pos);

// True when the piece begins with `prefix` (compared up to the first NUL of the piece).
inline bool startsWith(const std::string& piece, const char* prefix, size_t length) {
    return piece.size() >= length && std::memcmp(piece.data(), prefix, length) == 0;
}

inline bool startsWith(const std::string& piece, const char* prefix) {
    return startsWith(piece, prefix, std::strlen(prefix));
}

// True for the end line of a block: "-1" alone, blanks and line end around it.
bool isBlockEndLine(const std::string& piece);

// True when the first character that is not a blank can begin a number: a row of a block.
bool isNumberRow(const std::string& piece);

// True when the piece begins with a letter, "/" or "*": an archive command line.
bool isCommandLine(const std::string& piece);
