// Fields of a data line and reading integers and reals from them.
#include "fields.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace abazenta {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the run of digits at `pos`.
std::size_t digits_at(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && is_digit(text[end])) ++end;
    return end - pos;
}

bool is_exponent_mark(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Length of the longest prefix of the form [+-]digits[.digits][(e|E|d|D)[+-]digits], with at
// least one digit in the mantissa; 0 when there is none. D is the exponent mark of Fortran.
std::size_t real_prefix_length(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    std::size_t mantissa_digits = digits_at(text, pos);
    pos += mantissa_digits;
    if (pos < text.size() && text[pos] == '.') {
        std::size_t fraction = digits_at(text, pos + 1);
        mantissa_digits += fraction;
        pos += 1 + fraction;
    }
    if (mantissa_digits == 0) return 0;
    if (pos < text.size() && is_exponent_mark(text[pos])) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        std::size_t exponent_digits = digits_at(text, exponent);
        if (exponent_digits > 0) pos = exponent + exponent_digits;
    }
    return pos;
}

// strtod on a copy that ends where the number does: it gives the value that overflows to
// infinity or underflows towards 0, where from_chars gives none.
double strtod_of(std::string_view number) {
    return std::strtod(std::string(number).c_str(), nullptr);
}

}  // namespace

bool is_field_separator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_field_separator(text[begin])) ++begin;
    while (end > begin && is_field_separator(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string upper_case(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

void Fields::split(std::string_view line) {
    fields_.clear();
    if (std::memchr(line.data(), ',', line.size()) != nullptr) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = line.find(',', start);
            fields_.push_back(trim(line.substr(start, comma - start)));
            if (comma == std::string_view::npos) return;
            start = comma + 1;
        }
    }
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && is_field_separator(line[pos])) ++pos;
        if (pos == line.size()) return;
        const std::size_t start = pos;
        while (pos < line.size() && !is_field_separator(line[pos])) ++pos;
        fields_.push_back(line.substr(start, pos - start));
    }
}

namespace {

// Reads an optional sign and the digits after it: all of `text` with `whole`, otherwise up to
// the first other character. False when there is no digit, a character other than a digit
// stands before the end of `text` with `whole`, or the number is outside the range of int.
bool parse_digits(std::string_view text, bool whole, int& value) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= text.size() || !is_digit(text[pos])) return false;
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; pos < text.size() && is_digit(text[pos]); ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > limit) return false;
    }
    if (whole && pos != text.size()) return false;
    value = static_cast<int>(negative ? -magnitude : magnitude);
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
    const std::size_t length = real_prefix_length(field);
    if (length == 0) return 0.0;
    std::string_view number = field.substr(0, length);
    // A Fortran exponent mark is read as E, in a copy (such numbers are rare).
    std::string with_e;
    const std::size_t mark = number.find_first_of("dD");
    if (mark != std::string_view::npos) {
        with_e.assign(number);
        with_e[mark] = 'e';
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
