// Fields of a data line and reading integers and reals from them.
#include "fields.h"

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

const char* skip_digits(const char* p, const char* end) {
    while (p != end && is_digit(*p)) ++p;
    return p;
}

// The longest prefix of the form [+-]digits[.digits][(e|E|d|D)[+-]digits], with at least one
// digit in the mantissa (empty when there is none), and its exponent mark (nullptr: none). D is
// the exponent mark of Fortran.
struct RealPrefix {
    std::string_view number;
    const char* exponent_mark = nullptr;
};

RealPrefix real_prefix(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    if (p != end && (*p == '+' || *p == '-')) ++p;
    const char* digits = p;
    p = skip_digits(p, end);
    bool mantissa_digits = p != digits;
    if (p != end && *p == '.') {
        digits = p + 1;
        p = skip_digits(digits, end);
        mantissa_digits = mantissa_digits || p != digits;
    }
    if (!mantissa_digits) return {};
    RealPrefix prefix;
    if (p != end && is_exponent_mark(*p)) {
        const char* exponent = p + 1;
        if (exponent != end && (*exponent == '+' || *exponent == '-')) ++exponent;
        const char* exponent_end = skip_digits(exponent, end);
        if (exponent_end != exponent) {
            prefix.exponent_mark = p;
            p = exponent_end;
        }
    }
    prefix.number = std::string_view(begin, static_cast<std::size_t>(p - begin));
    return prefix;
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
    if (line.empty()) return;
    const char* p = line.data();
    const char* const end = p + line.size();
    if (std::memchr(p, ',', line.size()) != nullptr) {
        for (;;) {
            const char* comma = static_cast<const char*>(std::memchr(p, ',', end - p));
            const char* stop = comma != nullptr ? comma : end;
            fields_.push_back(trim(std::string_view(p, static_cast<std::size_t>(stop - p))));
            if (comma == nullptr) return;
            p = comma + 1;
        }
    }
    for (;;) {
        while (p != end && is_field_separator(*p)) ++p;
        if (p == end) return;
        const char* start = p;
        while (p != end && !is_field_separator(*p)) ++p;
        fields_.emplace_back(start, static_cast<std::size_t>(p - start));
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
    double value = 0.0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) return strtod_of(number);
    return value;
}

}  // namespace abazenta
