// The lines of a fixed-column output file, built without printf: integers and reals
// right-aligned in their fields (a value wider than its field is written in full), in exactly
// the bytes of printf's "%Wd" and "%W.Pe", or a real in the shortest form that reads back as the
// same double. The text is gathered in a buffer and written to the stream in large blocks.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

class ColumnWriter {
  public:
    explicit ColumnWriter(std::ostream& out) : out_(out), buffer_(kBlockSize) {}
    ColumnWriter(const ColumnWriter&) = delete;
    ColumnWriter& operator=(const ColumnWriter&) = delete;
    ~ColumnWriter() { flush(); }

    // printf "%Wd" with W = `width` (0: no fill).
    ColumnWriter& integer(long value, size_t width);
    // printf "%W.Pe" with W = `width` and P = `precision`.
    ColumnWriter& exponent(double value, size_t width, int precision);
    // The shortest text that reads back as `value`, right-aligned in `width` columns.
    ColumnWriter& shortest(double value, size_t width);
    // Text as it is; printf "%Ws" with a width.
    ColumnWriter& text(const std::string& words);
    ColumnWriter& text(const char* words);
    ColumnWriter& text(const char* words, size_t width);
    ColumnWriter& endLine();

    // Writes what is gathered to the stream.
    void flush();

  private:
    static constexpr size_t kBlockSize = 1 << 16;

    ColumnWriter& field(const char* characters, size_t length, size_t width);

    std::ostream& out_;
    std::vector<char> buffer_;
    size_t used_ = 0;
};

// printf "%.Pe" of `value` into `text` (room for 32 characters and P); returns its length.
size_t exponentText(double value, int precision, char* text);
