// Reads an archive or listing in pieces of at most 254 characters, the way the archive readers
// have always read it: a longer line arrives as several pieces, each tested as a line.
#pragma once

#include <istream>
#include <string>

class LineReader {
  public:
    static constexpr std::streamsize kMaxPiece = 254;

    explicit LineReader(std::istream& in) : in_(in) {}

    // Reads the next piece into `piece` (with its line feed when the line ended within the
    // piece). Returns false at the end of the input.
    bool next(std::string& piece);

  private:
    std::istream& in_;
    char buffer_[kMaxPiece + 1];
};

// Text of `piece` from character `pos` on; empty when the piece is shorter. Parsing stops at
// an embedded NUL, as it would in a C buffer.
const char* fromPosition(const std::string& piece, size_t pos);

// True when the piece begins with `prefix` (compared up to the first NUL of the piece).
bool startsWith(const std::string& piece, const char* prefix);
