// Fields of a normalised data line: splitting at white space and reading integers and reals.
#pragma once

#include <cstddef>
#include <string_view>

namespace abazenta {

// True for the characters that separate fields and end a keyword: blank, tab, carriage
// return, line feed, vertical tab and form feed.
bool is_field_separator(char c);

// Walks the white-space separated fields of one line, left to right.
class FieldCursor {
  public:
    explicit FieldCursor(std::string_view line) : rest_(line) {}
    // The next field, or an empty view when the line holds no further field.
    std::string_view next();

  private:
    std::string_view rest_;
};

// A whole field that is an optional sign and decimal digits, within the range of int.
bool parse_integer(std::string_view field, int& value);

// The integer that begins the text (optional sign, then digits, up to the first other
// character). False when the text does not begin so or the number is out of range.
bool parse_integer_prefix(std::string_view text, int& value);

// The real number that begins the field, in decimal or exponent notation; 0 when the field
// does not begin with one (a missing or non-numeric field reads as 0).
double parse_real(std::string_view field);

}  // namespace abazenta
