// Piece-wise line reading for the archive and listing readers.
#include "line_reader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

void LineReader::refill() {
    const size_t unread = end_ - begin_;
    std::memmove(buffer_.data(), buffer_.data() + begin_, unread);
    begin_ = 0;
    end_ = unread;
    while (end_ < buffer_.size() && !streamEnded_) {
        in_.read(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
        end_ += static_cast<size_t>(in_.gcount());
        streamEnded_ = !in_;
    }
}

bool LineReader::next(std::string& piece) {
    if (end_ - begin_ < kMaxPiece && !streamEnded_) refill();
    if (begin_ == end_) return false;
    const char* start = buffer_.data() + begin_;
    size_t length = std::min(kMaxPiece, end_ - begin_);
    const void* lineFeed = std::memchr(start, '\n', length);
    // A piece ends after its line feed; a full piece without one leaves the rest of its line
    // (its line feed at least) to the next piece.
    if (lineFeed != nullptr)
        length = static_cast<size_t>(static_cast<const char*>(lineFeed) - start) + 1;
    piece.assign(start, length);
    begin_ += length;
    return true;
}

const char* fromPosition(const std::string& piece, size_t pos) {
    size_t textLength = std::strlen(piece.c_str());
    return pos <= textLength ? piece.c_str() + pos : "";
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

const char* firstNonBlank(const std::string& piece) {
    const char* p = piece.c_str();
    while (isBlank(*p)) ++p;
    return p;
}

}  // namespace

bool isBlockEndLine(const std::string& piece) {
    const char* p = firstNonBlank(piece);
    if (std::strncmp(p, "-1", 2) != 0) return false;
    for (p += 2; *p != '\0'; ++p)
        if (!isBlank(*p)) return false;
    return true;
}

bool isNumberRow(const std::string& piece) {
    char c = *firstNonBlank(piece);
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

bool isCommandLine(const std::string& piece) {
    unsigned char c = static_cast<unsigned char>(piece.c_str()[0]);
    return std::isalpha(c) || c == '/' || c == '*';
}
