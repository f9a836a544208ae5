// Appending numbers to a text exactly as printf formats them, without printf's cost: the
// writer prints millions of them for a large model.
#pragma once

#include <string>

namespace abazenta {

// printf "%*d": the value right-aligned in at least `width` characters.
void append_integer(std::string& out, int value, int width = 0);

// printf "%e": six decimals and a signed exponent of at least two digits.
void append_exponent(std::string& out, double value);

// printf "%g": six significant digits, trailing zeros dropped.
void append_general(std::string& out, double value);

}  // namespace abazenta
