// FileIterator: line reading with the three line ends, buffer growth and field splitting.
#include "FileIterator.h"

#include <climits>
#include <cstring>
#include <stdexcept>

namespace ZTools {

FileIterator::FileIterator(std::istream& stream, int blankMode)
    : in(stream),
      InBuff(StaticBuff),
      NumAlloced(kInlineCapacity),
      Stack(6),
      Sline(6),
      HaveSplit(false),
      BlankMode(blankMode) {
    StaticBuff[0] = '\0';
}

FileIterator::~FileIterator() {
    ReleaseBuffer();
}

void FileIterator::First() {
    in.clear();
    in.seekg(0, std::ios::beg);
    Stack.Clear();
    GetLine();
}

void FileIterator::Next() {
    if (Stack.Len() > 0) {
        const String line = Stack[-1];
        Stack.RemoveFromEnd();
        SetLine(line.AsStr(), line.Len());
        HaveSplit = false;
        return;
    }
    GetLine();
}

bool FileIterator::More() const {
    return !AtEnd() || InBuff[0] != '\0' || Stack.Len() > 0;
}

int FileIterator::Len() {
    if (!HaveSplit) {
        Split();
        HaveSplit = true;
    }
    return Sline.Len();
}

const String& FileIterator::operator[](int i) {
    if (Len() == 0) Sline.Append(String());
    return Sline[i];
}

void FileIterator::Push() {
    Stack.Append(String(InBuff));
}

// Every read failure counts as the end: a stream in error delivers no more lines, so a loop on
// More() always ends.
bool FileIterator::AtEnd() const {
    return !in.good();
}

// Reads one raw line into the line buffer. LF, CR LF and a lone CR each end a line and are not
// stored. At the end of input the line is empty and the buffer returns to the inline one.
void FileIterator::ReadLine() {
    in.clear();
    int c = in.get();
    if (c == std::char_traits<char>::eof()) {
        ReleaseBuffer();
        return;
    }
    int length = 0;
    while (c != std::char_traits<char>::eof() && c != '\n') {
        if (c == '\r') {
            in.clear();
            if (in.peek() == '\n') in.get();
            // A CR ends its line exactly as a LF does: the end of input found by the look-ahead
            // belongs to the next read, so an empty line ended by a final CR is still delivered.
            in.clear();
            break;
        }
        if (length == NumAlloced) GrowBuffer(length + 1);
        InBuff[length++] = static_cast<char>(c);
        in.clear();
        c = in.get();
    }
    InBuff[length] = '\0';
}

// The line advance: one line, or with IGNORE_BLANK_LINES the next line that has fields (the
// last line read at the end of input is delivered whatever it holds).
void FileIterator::GetLine() {
    ReadLine();
    if (BlankMode != IGNORE_BLANK_LINES || AtEnd()) {
        HaveSplit = false;
        return;
    }
    for (;;) {
        Split();
        HaveSplit = true;
        if (Sline.Len() > 0) return;
        ReadLine();
        if (AtEnd()) {
            HaveSplit = false;
            return;
        }
    }
}

// Fields are maximal runs of bytes other than blank and tab; NUL, LF, CR and byte 255 end
// the scan.
void FileIterator::Split() {
    Sline.Clear();
    const char* fieldStart = nullptr;
    for (const char* p = InBuff;; ++p) {
        const unsigned char byte = static_cast<unsigned char>(*p);
        const bool stop = byte == '\0' || byte == '\n' || byte == '\r' || byte == 255;
        const bool blank = byte == ' ' || byte == '\t';
        if (fieldStart != nullptr && (stop || blank)) {
            Sline.Append(String(fieldStart, static_cast<std::size_t>(p - fieldStart)));
            fieldStart = nullptr;
        }
        if (stop) return;
        if (!blank && fieldStart == nullptr) fieldStart = p;
    }
}

// Doubles the buffer (2 * (capacity + 1) bytes) until it holds `needed` characters besides the
// terminator, keeping the characters already stored.
void FileIterator::GrowBuffer(int needed) {
    int capacity = NumAlloced;
    while (capacity < needed) {
        if (capacity > INT_MAX / 2 - 1)
            throw std::length_error("ZTools::FileIterator line too long");
        capacity = 2 * capacity + 1;
    }
    char* grown = new char[static_cast<std::size_t>(capacity) + 1];
    std::memcpy(grown, InBuff, static_cast<std::size_t>(NumAlloced));
    if (InBuff != StaticBuff) delete[] InBuff;
    InBuff = grown;
    NumAlloced = capacity;
}

void FileIterator::ReleaseBuffer() {
    if (InBuff != StaticBuff) delete[] InBuff;
    InBuff = StaticBuff;
    NumAlloced = kInlineCapacity;
    StaticBuff[0] = '\0';
}

// Makes text the current line, growing the buffer as needed.
void FileIterator::SetLine(const char* text, int length) {
    if (length > NumAlloced) GrowBuffer(length);
    std::memcpy(InBuff, text, static_cast<std::size_t>(length));
    InBuff[length] = '\0';
}

}  // namespace ZTools
