// Fields of a data line and reading integers and reals from them.
#include "fields.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace abazenta {

namespace {

bool is_digit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

bool is_exponent_mark(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// The longest prefix of the form [+-]digits[.digits][(e|E|d|D)[+-]digits], with at least one
// digit in the mantissa (empty when there is none), and its exponent mark (nullptr: none). D is
// the exponent mark of Fortran. On the way the digits are gathered as the decimal
// significand x 10^exponent, as long as they fit.
struct RealPrefix {
    std::string_view number;
    const char* exponent_mark = nullptr;
    bool negative = false;
    std::uint64_t significand = 0;  // the mantissa's digits, leading zeros aside
    int exponent = 0;               // of the last digit in `significand`
    bool fits = false;              // `significand` and `exponent` hold every digit
};

// Digits gathered into a significand (19 fit in 64 bits), and the largest exponent kept.
constexpr std::ptrdiff_t kMostSignificantDigits = 19;
constexpr int kMostExponent = 9999;

const char* skip_zeros(const char* p, const char* end) {
    while (p != end && *p == '0') ++p;
    return p;
}

// Appends the digits at `p` to `significand`; returns where they end.
const char* gather_digits(const char* p, const char* end, std::uint64_t& significand) {
    for (; p != end && is_digit(*p); ++p)
        significand = significand * 10 + static_cast<std::uint64_t>(*p - '0');
    return p;
}

RealPrefix real_prefix(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    RealPrefix prefix;
    if (p != end && (*p == '+' || *p == '-')) prefix.negative = *p++ == '-';
    const char* const mantissa = p;
    p = skip_zeros(p, end);
    const char* const whole = p;  // the integer part's digits after its leading zeros
    p = gather_digits(p, end, prefix.significand);
    std::ptrdiff_t digits = p - whole;
    bool mantissa_digits = p != mantissa;
    if (p != end && *p == '.') {
        const char* const fraction = ++p;
        if (digits == 0) p = skip_zeros(p, end);  // zeros that lead the significand
        const char* const fraction_digits = p;
        p = gather_digits(p, end, prefix.significand);
        digits += p - fraction_digits;
        prefix.exponent = -static_cast<int>(std::min<std::ptrdiff_t>(p - fraction, kMostExponent));
        mantissa_digits = mantissa_digits || p != fraction;
    }
    if (!mantissa_digits) return {};
    prefix.fits = digits <= kMostSignificantDigits && prefix.exponent > -kMostExponent;
    if (p != end && is_exponent_mark(*p)) {
        const char* exponent = p + 1;
        const bool negative = exponent != end && *exponent == '-';
        if (exponent != end && (*exponent == '+' || *exponent == '-')) ++exponent;
        int value = 0;
        const char* exponent_end = exponent;
        for (; exponent_end != end && is_digit(*exponent_end); ++exponent_end)
            value = std::min(kMostExponent, value * 10 + (*exponent_end - '0'));
        if (exponent_end != exponent) {
            prefix.exponent_mark = p;
            prefix.exponent += negative ? -value : value;
            prefix.fits = prefix.fits && value < kMostExponent;
            p = exponent_end;
        }
    }
    prefix.number = std::string_view(begin, static_cast<std::size_t>(p - begin));
    return prefix;
}

// significand x 10^exponent when both the significand and the power of ten are doubles (below
// 2^53 and 1e22): then one multiplication or division, rounded once as IEEE arithmetic rounds,
// gives the double nearest the decimal, as strtod does. False otherwise.
bool exact_decimal(std::uint64_t significand, int exponent, double& value) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kLargestPower = 22;
    constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
    if (significand > kLargestExactInteger || exponent > kLargestPower || exponent < -kLargestPower)
        return false;
    const double digits = static_cast<double>(significand);
    value = exponent >= 0 ? digits * kPowersOfTen[exponent] : digits / kPowersOfTen[-exponent];
    return true;
}

// strtod on a copy that ends where the number does: it gives the value that overflows to
// infinity or underflows towards 0, where from_chars gives none.
double strtod_of(std::string_view number) {
    return std::strtod(std::string(number).c_str(), nullptr);
}

}  // namespace

std::string upper_case(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

void Fields::split(std::string_view line) {
    fields_.clear();
    const char* const end = line.data() + line.size();
    // One pass finds the commas; a line without any is split at blanks instead.
    const char* start = line.data();
    for (const char* p = start; p != end; ++p) {
        if (*p != ',') continue;
        fields_.push_back(trim(std::string_view(start, static_cast<std::size_t>(p - start))));
        start = p + 1;
    }
    if (fields_.empty()) return split_at_blanks(line);
    fields_.push_back(trim(std::string_view(start, static_cast<std::size_t>(end - start))));
}

std::string_view Fields::split_first_line(std::string_view text) {
    fields_.clear();
    const char* const begin = text.data();
    const char* const text_end = begin + text.size();
    const char* start = begin;
    const char* end = begin;
    for (; end != text_end; ++end) {
        if (*end == '\n') {
            ++end;
            break;
        }
        if (*end != ',') continue;
        fields_.push_back(trim(std::string_view(start, static_cast<std::size_t>(end - start))));
        start = end + 1;
    }
    const std::string_view line(begin, static_cast<std::size_t>(end - begin));
    if (fields_.empty()) {
        split_at_blanks(line);
        return line;
    }
    fields_.push_back(trim(std::string_view(start, static_cast<std::size_t>(end - start))));
    return line;
}

void Fields::split_at_blanks(std::string_view line) {
    const char* const end = line.data() + line.size();
    for (const char* p = line.data();;) {
        while (p != end && is_field_separator(*p)) ++p;
        if (p == end) return;
        const char* const field = p;
        while (p != end && !is_field_separator(*p)) ++p;
        fields_.emplace_back(field, static_cast<std::size_t>(p - field));
    }
}

namespace {

// Reads an optional sign and the digits after it: all of `text` with `whole`, otherwise up to
// the first other character. False when there is no digit, a character other than a digit
// stands before the end of `text` with `whole`, or the number is outside the range of int.
bool parse_digits(std::string_view text, bool whole, int& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end || !is_digit(*p)) return false;
    while (p != end && *p == '0') ++p;  // leading zeros, as many as there are
    // Past ten digits (after the leading zeros) the number is beyond the range of int.
    constexpr std::ptrdiff_t kMostDigits = 10;
    const char* const stop = end - p > kMostDigits ? p + kMostDigits : end;
    std::uint64_t magnitude = 0;
    for (; p != stop && is_digit(*p); ++p)
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(*p - '0');
    if (p != end && is_digit(*p)) return false;
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : INT_MAX;
    if (magnitude > limit || (whole && p != end)) return false;
    value = static_cast<int>(negative ? -static_cast<std::int64_t>(magnitude)
                                      : static_cast<std::int64_t>(magnitude));
    return true;
}

}  // namespace

bool parse_integer_prefix(std::string_view text, int& value) {
    return parse_digits(text, false, value);
}

bool parse_integer(std::string_view field, int& value) {
    return parse_digits(field, true, value);
}

double parse_real(std::string_view field) {
    const RealPrefix prefix = real_prefix(field);
    std::string_view number = prefix.number;
    if (number.empty()) return 0.0;
    double value = 0.0;
    if (prefix.fits &&
        (prefix.significand == 0 || exact_decimal(prefix.significand, prefix.exponent, value)))
        return prefix.negative ? -value : value;
    // A Fortran exponent mark is read as E, in a copy (such numbers are rare).
    std::string with_e;
    if (prefix.exponent_mark != nullptr &&
        (*prefix.exponent_mark == 'd' || *prefix.exponent_mark == 'D')) {
        with_e.assign(number);
        with_e[static_cast<std::size_t>(prefix.exponent_mark - number.data())] = 'e';
        number = with_e;
    }
    // from_chars takes no plus sign; the prefix is known to be a decimal number.
    const bool plus = number[0] == '+';
    const char* first = number.data() + (plus ? 1 : 0);
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) return strtod_of(number);
    return value;
}

}  // namespace abazenta
