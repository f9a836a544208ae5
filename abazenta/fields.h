// Fields of a data line and reading integers and reals from them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace abazenta {

// True for the characters that separate fields and end a keyword: blank, tab, carriage
// return, line feed, vertical tab and form feed.
inline bool is_field_separator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The text without the separators at either end.
inline std::string_view trim(std::string_view text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && is_field_separator(*begin)) ++begin;
    while (end != begin && is_field_separator(end[-1])) --end;
    return std::string_view(begin, static_cast<std::size_t>(end - begin));
}

// The text in upper case (names of keywords, parameters, types and sets are compared so).
std::string upper_case(std::string_view text);

// The fields of one data line. A line that holds a comma is split at its commas, each field
// without the blanks around it, so that an empty field counts ("1,2,,0.5" has four fields and a
// line ending with a comma has an empty last field); a line without commas is split at blanks
// and tabs. Line ends, including those inside a continued line, are blanks.
class Fields {
  public:
    Fields() = default;
    explicit Fields(std::string_view line) { split(line); }

    // Replaces the fields with those of `line`; the views point into it.
    void split(std::string_view line);
    // The same for the first line of `text` (up to and with its line end, or all of it), found
    // in the same pass; returns that line.
    std::string_view split_first_line(std::string_view text);
    std::size_t size() const { return fields_.size(); }
    // The field at `index`, or an empty view past the last field.
    std::string_view operator[](std::size_t index) const {
        return index < fields_.size() ? fields_[index] : std::string_view();
    }

  private:
    void split_at_blanks(std::string_view line);

    std::vector<std::string_view> fields_;
};

// A whole field that is an optional sign and decimal digits, within the range of int.
bool parse_integer(std::string_view field, int& value);

// The integer that begins the text (optional sign, then digits, up to the first other
// character). False when the text does not begin so or the number is out of range.
bool parse_integer_prefix(std::string_view text, int& value);

// The real number that begins the field, in decimal or exponent notation (the exponent marked
// E, e, or D, d as Fortran writes it: 2.1D5); 0 when the field does not begin with one (a
// missing or non-numeric field reads as 0).
double parse_real(std::string_view field);

}  // namespace abazenta
