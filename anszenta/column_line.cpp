// Fixed-column output with std::to_chars, which writes the digits printf writes.
#include "column_line.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using Wide = unsigned __int128;

constexpr int kMaxPlainPrecision = 9;  // the digits fit a 64-bit integer
constexpr int kMaxScale = 27;          // 5^27 fits 64 bits, and 2^53 5^27 fits 128

constexpr uint64_t kPowersOf10[] = {1,       10,       100,       1000,       10000,      100000,
                                    1000000, 10000000, 100000000, 1000000000, 10000000000};

// 5^s for s = 0 .. kMaxScale.
struct PowersOf5 {
    uint64_t value[kMaxScale + 1];
    constexpr PowersOf5() : value() {
        value[0] = 1;
        for (int s = 1; s <= kMaxScale; ++s) value[s] = value[s - 1] * 5;
    }
};
constexpr PowersOf5 kPowersOf5;

// A finite positive double as m 2^e, m an integer below 2^53.
struct BinaryReal {
    uint64_t m;
    int e;
};

BinaryReal binaryOf(double magnitude) {
    uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    if (biased == 0) return {fraction, -1074};  // subnormal
    return {fraction | (uint64_t{1} << 52), biased - 1075};
}

// x 10^s of x = m 2^e: the quotient rounded down and whether the rest is below, at or above one
// half (-1, 0, 1). False when the product does not fit 128 bits.
bool scaled(const BinaryReal& x, int s, uint64_t& quotient, int& rest) {
    const Wide product = static_cast<Wide>(x.m) * kPowersOf5.value[s];  // x 10^s = product 2^(e+s)
    const int shift = x.e + s;
    if (shift >= 0) {
        if (shift >= 64 || (product >> (64 - shift)) != 0) return false;
        quotient = static_cast<uint64_t>(product << shift);
        rest = -1;
        return true;
    }
    const int down = -shift;
    if (down >= 127) return false;
    const Wide whole = product >> down;
    if (whole > ~uint64_t{0}) return false;
    quotient = static_cast<uint64_t>(whole);
    const Wide remainder = product - (whole << down);
    const Wide half = static_cast<Wide>(1) << (down - 1);
    rest = remainder < half ? -1 : (remainder == half ? 0 : 1);
    return true;
}

// The P + 1 digits of printf's "%.Pe" of a finite positive x and its decimal exponent, by exact
// integer arithmetic: x 10^(P - k) rounded half to even (as printf rounds), k the exponent of
// x's first digit. False outside the range the arithmetic covers (x of 10^(P+1) and more, or
// tiny).
bool exponentDigits(double magnitude, int precision, uint64_t& digits, int& exponent) {
    const BinaryReal x = binaryOf(magnitude);
    // k is floor(log10 x); the estimate from the binary exponent is k or k - 1.
    const int binaryExponent = x.e + 63 - __builtin_clzll(x.m);  // floor(log2 x)
    int k = static_cast<int>(std::floor(binaryExponent * 0.30102999566398119521));
    const uint64_t low = kPowersOf10[precision], high = kPowersOf10[precision + 1];
    uint64_t quotient = 0;
    int rest = 0;
    for (;;) {
        const int s = precision - k;
        if (s < 0 || s > kMaxScale || !scaled(x, s, quotient, rest)) return false;
        if (quotient < high) break;
        ++k;
    }
    if (quotient < low) return false;  // the estimate was not k or k - 1
    if (rest > 0 || (rest == 0 && (quotient & 1) != 0)) ++quotient;
    if (quotient == high) {  // 9.99...5 rounded up to 10.00...
        quotient = low;
        ++k;
    }
    digits = quotient;
    exponent = k;
    return true;
}

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
        uint64_t digits = 0;
        int exponent = 0;
        if (exponentDigits(std::fabs(value), precision, digits, exponent))
            return writeExponentText(std::signbit(value), digits, precision, exponent, text);
    }
    // Zero, infinity, not a number, and the magnitudes the integer arithmetic does not cover.
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
