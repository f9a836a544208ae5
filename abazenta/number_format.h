// Writing numbers into a buffer exactly as printf formats them (and reals in the shortest form
// that reads back, as std::to_chars writes them), without the library's cost: the writer prints
// millions of numbers for a large model.
#pragma once

#include <cstddef>

namespace abazenta {

// Room that any of these functions may use after `out`.
inline constexpr std::size_t kNumberRoom = 32;

// printf "%*d": the value right-aligned in at least `width` (at most 16) characters. Each
// function writes at `out` and returns the end of what it wrote.
char* format_integer(char* out, int value, int width = 0);

// printf "%e": six decimals and a signed exponent of at least two digits.
char* format_exponent(char* out, double value);

// printf "%g": six significant digits, trailing zeros dropped.
char* format_general(char* out, double value);

// std::to_chars without a format: the shortest text that reads back as the value, in plain or
// exponent notation, whichever is shorter (plain on a tie).
char* format_shortest(char* out, double value);

}  // namespace abazenta
