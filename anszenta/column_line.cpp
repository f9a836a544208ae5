// Fixed-column output with std::to_chars, which writes the digits printf writes.
#include "column_line.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "decimal_digits.h"

namespace {

constexpr int kMaxPlainPrecision = 9;  // the digits fit a 64-bit integer

// Writes [-]d.ddd...e±XX: `digits` holds P + 1 digits; two exponent digits at least.
size_t writeExponentText(bool negative, uint64_t digits, int precision, int exponent, char* text) {
    char* out = text;
    if (negative) *out++ = '-';
    char all[kMaxPlainPrecision + 1];
    for (int k = precision; k >= 0; --k) {
        all[k] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    *out++ = all[0];
    *out++ = '.';
    std::memcpy(out, all + 1, static_cast<size_t>(precision));
    out += precision;
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) *out++ = '0';
    out = std::to_chars(out, out + 4, magnitude).ptr;
    return static_cast<size_t>(out - text);
}

}  // namespace

size_t exponentText(double value, int precision, char* text) {
    if (std::isfinite(value) && value != 0.0 && precision >= 1 && precision <= kMaxPlainPrecision) {
        // The P + 1 digits of "%.Pe", rounded half to even as printf rounds.
        zenta::DecimalDigits digits;
        if (zenta::RoundToDigits(std::fabs(value), precision + 1, digits))
            return writeExponentText(std::signbit(value), digits.significand, precision,
                                     digits.exponent, text);
    }
    // Zero, infinity, not a number, and the magnitudes the exact digits do not cover.
    const std::to_chars_result end =
        std::to_chars(text, text + 32 + precision, value, std::chars_format::scientific, precision);
    return static_cast<size_t>(end.ptr - text);
}

ColumnWriter& ColumnWriter::integer(long value, size_t width) {
    char digits[24];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    return field(digits, static_cast<size_t>(end.ptr - digits), width);
}

ColumnWriter& ColumnWriter::exponent(double value, size_t width, int precision) {
    char digits[64];
    return field(digits, exponentText(value, precision, digits), width);
}

ColumnWriter& ColumnWriter::shortest(double value, size_t width) {
    // zenta::ShortestReal's text, without a string for every value.
    char digits[32];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    return field(digits, static_cast<size_t>(end.ptr - digits), width);
}

ColumnWriter& ColumnWriter::text(const std::string& words) {
    return field(words.data(), words.size(), 0);
}

ColumnWriter& ColumnWriter::text(const char* words) {
    return field(words, std::strlen(words), 0);
}

ColumnWriter& ColumnWriter::text(const char* words, size_t width) {
    return field(words, std::strlen(words), width);
}

ColumnWriter& ColumnWriter::endLine() {
    return field("\n", 1, 0);
}

void ColumnWriter::flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

ColumnWriter& ColumnWriter::field(const char* characters, size_t length, size_t width) {
    const size_t fill = length < width ? width - length : 0;
    if (used_ + fill + length > buffer_.size()) {
        flush();
        if (fill + length > buffer_.size()) buffer_.resize(fill + length);
    }
    char* out = buffer_.data() + used_;
    std::memset(out, ' ', fill);
    std::memcpy(out + fill, characters, length);
    used_ += fill + length;
    return *this;
}
