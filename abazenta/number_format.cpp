// Writing numbers exactly as printf formats them. The digits come from zenta's decimal_digits
// where it can give them, otherwise from std::to_chars, which gives the same bytes at a higher cost.
#include "number_format.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "decimal_digits.h"

namespace abazenta {

namespace {

using zenta::DecimalDigits;
using zenta::RoundToDigits;
using zenta::ShortestDigits;
using zenta::WithoutTrailingZeros;

// "00" to "99".
constexpr char kDigitPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546"
    "4748495051525354555657585960616263646566676869707172737475767778798081828384858687888990919293"
    "949596979899";

// The last `count` digits of `value`, leading zeros included, two at a time.
template <typename Unsigned>
char* write_digit_pairs(char* out, Unsigned value, int count) {
    char* const end = out + count;
    char* p = end;
    while (p - out >= 2) {
        p -= 2;
        std::memcpy(p, kDigitPairs + 2 * (value % 100), 2);
        value /= 100;
    }
    if (p != out) *--p = static_cast<char>('0' + value % 10);
    return end;
}

// Values that fit 32 bits take the cheaper 32-bit division; larger ones (up to 18 digits) are
// split into their last eight digits and the rest.
char* write_digits(char* out, std::uint64_t value, int count) {
    constexpr int kLowDigits = 8;
    constexpr std::uint64_t kLowUnit = 100000000;
    if (value <= UINT32_MAX)
        return write_digit_pairs(out, static_cast<std::uint32_t>(value), count);
    if (value / kLowUnit > UINT32_MAX) return write_digit_pairs(out, value, count);
    write_digit_pairs(out, static_cast<std::uint32_t>(value / kLowUnit), count - kLowDigits);
    return write_digit_pairs(out + count - kLowDigits, static_cast<std::uint32_t>(value % kLowUnit),
                             kLowDigits);
}

// How many digits `value` has.
int digit_count(std::uint32_t value) {
    int count = 1;
    for (; value >= 100; value /= 100) count += 2;
    return value >= 10 ? count + 1 : count;
}

char* write_zeros(char* out, int count) {
    for (int i = 0; i < count; ++i) *out++ = '0';
    return out;
}

// "e+05", "e-12", "e+123": at least two digits, as printf writes exponents.
char* write_exponent_part(char* out, int exponent) {
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
    if (magnitude >= 100) return write_digit_pairs(out, magnitude, 3);
    std::memcpy(out, kDigitPairs + 2 * magnitude, 2);
    return out + 2;
}

// d.ddd...e+XX with every digit of `digits` (no point for a single digit). The digits are
// written one place on, then the first moves in front of the point.
char* write_exponent_form(char* out, const DecimalDigits& digits) {
    char* first = out;
    out = write_digits(out + 1, digits.significand, digits.count);
    first[0] = first[1];
    if (digits.count > 1)
        first[1] = '.';
    else
        --out;
    return write_exponent_part(out, digits.exponent);
}

// The digits in plain notation: the point after the units, zeros where no digit stands.
char* write_plain_form(char* out, const DecimalDigits& digits) {
    if (digits.exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = write_zeros(out, -digits.exponent - 1);
        return write_digits(out, digits.significand, digits.count);
    }
    const int whole = digits.exponent + 1;  // digits before the point
    if (digits.count <= whole)
        return write_zeros(write_digits(out, digits.significand, digits.count),
                           whole - digits.count);
    char* first = out;
    out = write_digits(out + 1, digits.significand, digits.count);
    std::memmove(first, first + 1, static_cast<std::size_t>(whole));
    first[whole] = '.';
    return out;
}

// Characters of the exponent and plain notations of the digits, sign aside.
int exponent_form_length(const DecimalDigits& digits) {
    const int magnitude = digits.exponent < 0 ? -digits.exponent : digits.exponent;
    return digits.count + (digits.count > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
}

int plain_form_length(const DecimalDigits& digits) {
    if (digits.exponent < 0) return 1 + digits.count - digits.exponent;
    if (digits.count <= digits.exponent + 1) return digits.exponent + 1;
    return digits.count + 1;
}

char* write_sign(char* out, double value) {
    if (value < 0.0) *out++ = '-';
    return out;
}

constexpr int kMostWidth = 16;            // of format_integer
constexpr int kExponentDigits = 7;        // "%e": one digit before the point, six after
constexpr int kGeneralDigits = 6;         // "%g": six significant digits
constexpr int kLowestPlainExponent = -4;  // "%g" writes 1e-05 in exponent notation

}  // namespace

char* format_integer(char* out, int value, int width) {
    const bool negative = value < 0;
    const std::uint32_t magnitude =
        negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    const int digits = digit_count(magnitude);
    const int length = digits + (negative ? 1 : 0);
    if (length < width) {
        const int padding = width - length;
        // A store of fixed size is cheaper than one of the padding's.
        if (padding <= kMostWidth)
            std::memset(out, ' ', kMostWidth);
        else
            std::memset(out, ' ', static_cast<std::size_t>(padding));
        out += padding;
    }
    if (negative) *out++ = '-';
    return write_digit_pairs(out, magnitude, digits);
}

char* format_exponent(char* out, double value) {
    DecimalDigits digits;
    if (RoundToDigits(value < 0.0 ? -value : value, kExponentDigits, digits))
        return write_exponent_form(write_sign(out, value), digits);
    return std::to_chars(out, out + kNumberRoom, value, std::chars_format::scientific, 6).ptr;
}

// printf "%g" takes exponent notation when the exponent X of the value rounded to P digits is
// below -4 or at least P; otherwise plain notation with P - 1 - X decimals, which round at the
// same place. Then trailing zeros go, and the point with them.
char* format_general(char* out, double value) {
    DecimalDigits digits;
    if (!RoundToDigits(value < 0.0 ? -value : value, kGeneralDigits, digits))
        return std::to_chars(out, out + kNumberRoom, value, std::chars_format::general, 6).ptr;
    out = write_sign(out, value);
    digits = WithoutTrailingZeros(digits);
    if (digits.exponent < kLowestPlainExponent || digits.exponent >= kGeneralDigits)
        return write_exponent_form(out, digits);
    return write_plain_form(out, digits);
}

char* format_shortest(char* out, double value) {
    if (value == 0.0) {  // as std::to_chars writes zeros, which abound among the forces
        if (std::signbit(value)) *out++ = '-';
        *out++ = '0';
        return out;
    }
    DecimalDigits digits;
    if (!ShortestDigits(value < 0.0 ? -value : value, digits))
        return std::to_chars(out, out + kNumberRoom, value).ptr;
    out = write_sign(out, value);
    if (plain_form_length(digits) <= exponent_form_length(digits))
        return write_plain_form(out, digits);
    return write_exponent_form(out, digits);
}

}  // namespace abazenta
