// Fields of a normalised data line: splitting at white space and reading integers and reals.
#include "fields.h"

#include <climits>
#include <cstdlib>
#include <string>

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

// Length of the longest prefix of the form [+-]digits[.digits][(e|E)[+-]digits], with at least
// one digit in the mantissa; 0 when there is none.
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
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        std::size_t exponent_digits = digits_at(text, exponent);
        if (exponent_digits > 0) pos = exponent + exponent_digits;
    }
    return pos;
}

}  // namespace

bool is_field_separator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view FieldCursor::next() {
    std::size_t start = 0;
    while (start < rest_.size() && is_field_separator(rest_[start])) ++start;
    std::size_t end = start;
    while (end < rest_.size() && !is_field_separator(rest_[end])) ++end;
    std::string_view field = rest_.substr(start, end - start);
    rest_.remove_prefix(end);
    return field;
}

bool parse_integer_prefix(std::string_view text, int& value) {
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
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

bool parse_integer(std::string_view field, int& value) {
    std::size_t pos = (!field.empty() && (field[0] == '+' || field[0] == '-')) ? 1 : 0;
    if (pos >= field.size() || digits_at(field, pos) != field.size() - pos) return false;
    return parse_integer_prefix(field, value);
}

double parse_real(std::string_view field) {
    const std::size_t length = real_prefix_length(field);
    if (length == 0) return 0.0;
    // strtod needs a terminated copy; the prefix is already known to be a decimal number.
    char small[64];
    if (length < sizeof small) {
        field.copy(small, length);
        small[length] = '\0';
        return std::strtod(small, nullptr);
    }
    return std::strtod(std::string(field.substr(0, length)).c_str(), nullptr);
}

}  // namespace abazenta
