// Reads a text stream line by line and splits the current line into blank-separated fields.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>

#include "List.h"
#include "String.h"

namespace ZTools {

// Accepts LF, CR LF and a lone CR as line ends, lines of any length (the line buffer grows by
// doubling) and blank lines. Fields are maximal runs of bytes other than blank and tab. A stream
// that cannot be read behaves as one at its end. The stream is read ahead in blocks, so its own
// position runs ahead of the lines delivered; First() rewinds it and drops what was read ahead.
class FileIterator {
  public:
    enum { IGNORE_BLANK_LINES = 0, SIGNIFICANT_BLANK_LINES = 1 };
    static constexpr int kInlineCapacity = 255;  // characters of StaticBuff besides the NUL

    // Remembers the stream (not owned) and reads nothing; the current line is empty.
    FileIterator(std::istream& in, int BlankMode = SIGNIFICANT_BLANK_LINES);
    virtual ~FileIterator();
    FileIterator(const FileIterator&) = delete;
    FileIterator& operator=(const FileIterator&) = delete;

    // Rewinds the stream, drops put-back lines and makes the first line current.
    void First();
    // Makes the next line current: the latest put-back line, else the next line of the stream.
    void Next();
    // True while the stream is not at its end or the current line is not empty.
    bool More() const;
    // Number of fields of the current line.
    int Len();
    // Field i of the current line, negative i counting from the end. A line without fields
    // gets one empty field first, so that 0 and -1 give "" (and Len() reports 1 from then on).
    // Other indices outside -Len() .. Len()-1 throw ContractViolation.
    const String& operator[](int i);

    // Puts the current line back: the following Next() makes it current again.
    void Push();
    // The raw text of the current line, without its line end.
    const char* Buff() const { return InBuff; }
    const char* operator*() const { return InBuff; }
    FileIterator& operator++() {
        Next();
        return *this;
    }
    void operator++(int) { Next(); }

    // Line buffer storage, for tests of its growth.
    int Capacity() const { return NumAlloced; }
    bool IsInline() const { return InBuff == StaticBuff; }

  protected:
    void ReadLine();
    void GetLine();
    virtual void Split();

  private:
    bool AtEnd() const;
    void GrowBuffer(int needed);
    void ReleaseBuffer();
    void SetLine(const char* text, int length);
    void AppendToLine(int length, const char* text, int count);
    // Makes bytes of the stream available in the read-ahead block; false at the end of input.
    bool FillBlock();
    // The next byte of the input without taking it, or EOF at the end of input.
    int PeekByte();

  protected:
    std::istream& in;                      // the stream read; not owned
    char* InBuff;                          // current line: StaticBuff or a heap buffer
    char StaticBuff[kInlineCapacity + 1];  // inline line buffer
    int NumAlloced;                        // characters the buffer holds besides the NUL
    List<String> Stack;                    // lines put back, latest last
    List<String> Sline;                    // fields of the current line while HaveSplit
    bool HaveSplit;                        // Sline holds the fields of the current line
    int BlankMode;                         // IGNORE_BLANK_LINES or SIGNIFICANT_BLANK_LINES

  private:
    static constexpr std::size_t kBlockSize = 1 << 16;
    std::unique_ptr<char[]> Block;  // bytes read ahead from the stream, allocated on first use
    std::size_t BlockPos = 0;       // next byte of Block to deliver
    std::size_t BlockEnd = 0;       // end of the bytes read into Block
    bool InputEnded;                // the last line read ran into the end of input
};

}  // namespace ZTools
