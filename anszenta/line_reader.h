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

  private:
    bool fill();  // reads more of the stream into the buffer; false at its end

    std::istream& in_;
    std::vector<char> buffer_;
    size_t begin_ = 0;  // first unread character of the buffer
    size_t end_ = 0;    // end of the characters read into the buffer
};

// Text of `piece` from character `pos` on; empty when the piece is shorter. Parsing stops at
// an embedded NUL, as it would in a C buffer.
const char* fromPosition(const std::string& piece, size_t pos);

// True when the piece begins with `prefix` (compared up to the first NUL of the piece).
bool startsWith(const std::string& piece, const char* prefix);
