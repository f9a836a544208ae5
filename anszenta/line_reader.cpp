// Piece-wise line reading for the archive and listing readers.
#include "line_reader.h"

#include <cstring>

bool LineReader::next(std::string& piece) {
    piece.clear();
    // get() stops before a line feed and takes at most kMaxPiece characters.
    in_.get(buffer_, kMaxPiece + 1, '\n');
    std::streamsize count = in_.gcount();
    if (count == 0) {
        if (in_.eof()) return false;
        in_.clear();  // get() fails on an empty line; the line feed is still waiting
        if (in_.peek() != '\n') return false;  // a read error, not an empty line
    }
    piece.assign(buffer_, static_cast<size_t>(count));
    if (count < kMaxPiece && in_.peek() == '\n') {
        in_.get();
        piece.push_back('\n');
    }
    if (in_.eof()) in_.clear(std::ios::eofbit);
    return true;
}

const char* fromPosition(const std::string& piece, size_t pos) {
    size_t textLength = std::strlen(piece.c_str());
    return pos <= textLength ? piece.c_str() + pos : "";
}

bool startsWith(const std::string& piece, const char* prefix) {
    return std::strncmp(piece.c_str(), prefix, std::strlen(prefix)) == 0;
}
