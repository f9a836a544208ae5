// Piece-wise line reading for the archive and listing readers.
#include "line_reader.h"

#include <algorithm>
#include <cstring>

bool LineReader::fill() {
    if (!in_) return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    begin_ = 0;
    end_ = static_cast<size_t>(in_.gcount());
    return end_ > 0;
}

bool LineReader::next(std::string& piece) {
    piece.clear();
    while (piece.size() < kMaxPiece) {
        if (begin_ == end_ && !fill()) return !piece.empty();
        const char* start = buffer_.data() + begin_;
        size_t length = std::min(kMaxPiece - piece.size(), end_ - begin_);
        const void* lineFeed = std::memchr(start, '\n', length);
        if (lineFeed != nullptr) length = static_cast<const char*>(lineFeed) - start + 1;
        piece.append(start, length);
        begin_ += length;
        if (lineFeed != nullptr) return true;
    }
    // A full piece: the rest of the line (its line feed at least) is the next piece.
    return true;
}

const char* fromPosition(const std::string& piece, size_t pos) {
    size_t textLength = std::strlen(piece.c_str());
    return pos <= textLength ? piece.c_str() + pos : "";
}

bool startsWith(const std::string& piece, const char* prefix) {
    return std::strncmp(piece.c_str(), prefix, std::strlen(prefix)) == 0;
}
