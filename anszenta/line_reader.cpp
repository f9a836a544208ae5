// Piece-wise line reading for the archive and listing readers.
#include "line_reader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

bool LineReader::fill() {
    if (!in_) return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    begin_ = 0;
    end_ = static_cast<size_t>(in_.gcount());
    return end_ > 0;
}

bool LineReader::next(std::string& piece) {
    if (hasPending_) {
        piece.swap(pending_);
        hasPending_ = false;
        return true;
    }
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

void skipLines(LineReader& reader, int count) {
    std::string ignored;
    for (int i = 0; i < count; ++i) reader.next(ignored);
}

bool enterBlock(LineReader& reader, const char* keyword) {
    std::string line;
    bool found = false;
    while (!found && reader.next(line)) found = startsWith(line, keyword);
    if (found) skipLines(reader, 1);
    return found;
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
