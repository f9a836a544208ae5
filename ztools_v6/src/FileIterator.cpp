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
      BlankMode(blankMode),
      InputEnded(!stream.good()) {
    StaticBuff[0] = '\0';
}

FileIterator::~FileIterator() {
    ReleaseBuffer();
}

void FileIterator::First() {
    in.clear();
    in.seekg(0, std::ios::beg);
    // What was read ahead belongs to the old position. A stream that cannot be rewound (a
    // pipe) goes on where it is, read-ahead included.
    if (!in.fail()) BlockPos = BlockEnd = 0;
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
    return InputEnded;
}

bool FileIterator::FillBlock() {
    if (BlockPos < BlockEnd) return true;
    if (!Block) Block.reset(new char[kBlockSize]);
    in.clear();
    in.read(Block.get(), static_cast<std::streamsize>(kBlockSize));
    BlockPos = 0;
    BlockEnd = static_cast<std::size_t>(in.gcount());
    return BlockEnd > 0;
}

int FileIterator::PeekByte() {
    if (!FillBlock()) return std::char_traits<char>::eof();
    return static_cast<unsigned char>(Block[BlockPos]);
}

namespace {

// The first LF or CR in [start, end), or end.
const char* FirstLineEnd(const char* start, const char* end) {
    const std::size_t size = static_cast<std::size_t>(end - start);
    const void* lf = std::memchr(start, '\n', size);
    const char* stop = lf != nullptr ? static_cast<const char*>(lf) : end;
    const void* cr = std::memchr(start, '\r', static_cast<std::size_t>(stop - start));
    return cr != nullptr ? static_cast<const char*>(cr) : stop;
}

}  // namespace

// Reads one raw line into the line buffer. LF, CR LF and a lone CR each end a line and are not
// stored. At the end of input the line is empty and the buffer returns to the inline one.
void FileIterator::ReadLine() {
    if (!FillBlock()) {
        ReleaseBuffer();
        InputEnded = true;
        return;
    }
    int length = 0;
    for (;;) {
        const char* start = Block.get() + BlockPos;
        const char* end = Block.get() + BlockEnd;
        const char* stop = FirstLineEnd(start, end);
        const int count = static_cast<int>(stop - start);
        AppendToLine(length, start, count);
        length += count;
        BlockPos += static_cast<std::size_t>(count);
        if (stop != end) break;
        if (!FillBlock()) {  // the last line has no line end
            InBuff[length] = '\0';
            InputEnded = true;
            return;
        }
    }
    InBuff[length] = '\0';
    InputEnded = false;
    // A CR ends its line exactly as a LF does: the end of input found by the look-ahead belongs
    // to the next read, so an empty line ended by a final CR is still delivered.
    if (Block[BlockPos++] == '\r' && PeekByte() == '\n') ++BlockPos;
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
// the scan. Each field is assigned to the next element of Sline, whose storage is reused.
void FileIterator::Split() {
    Sline.Clear();
    const auto endsScan = [](char c) {
        return c == '\0' || c == '\n' || c == '\r' || static_cast<unsigned char>(c) == 255;
    };
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const char* p = InBuff;
    for (;;) {
        while (blank(*p)) ++p;
        if (endsScan(*p)) return;
        const char* fieldStart = p;
        while (!endsScan(*p) && !blank(*p)) ++p;
        Sline.ExtendOne();
        Sline[-1].Assign(fieldStart, static_cast<std::size_t>(p - fieldStart));
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

// Stores count characters of text at position length of the line, growing the buffer as
// needed (the terminator is the caller's).
void FileIterator::AppendToLine(int length, const char* text, int count) {
    if (length + count > NumAlloced) GrowBuffer(length + count);
    std::memcpy(InBuff + length, text, static_cast<std::size_t>(count));
}

// Makes text the current line, growing the buffer as needed.
void FileIterator::SetLine(const char* text, int length) {
    if (length > NumAlloced) GrowBuffer(length);
    std::memcpy(InBuff, text, static_cast<std::size_t>(length));
    InBuff[length] = '\0';
}

}  // namespace ZTools
