// Appending numbers to a text exactly as printf formats them.
#include "number_format.h"

#include <charconv>

namespace abazenta {

namespace {

// Room for any int, and for any double in "%e" or "%g" form.
constexpr int kNumberRoom = 32;

void append_chars(std::string& out, const char* first, const char* last, int width) {
    const int length = static_cast<int>(last - first);
    if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(first, last);
}

}  // namespace

void append_integer(std::string& out, int value, int width) {
    char text[kNumberRoom];
    const auto result = std::to_chars(text, text + sizeof text, value);
    append_chars(out, text, result.ptr, width);
}

// to_chars with a precision formats as printf does with the same precision.
void append_exponent(std::string& out, double value) {
    char text[kNumberRoom];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 6);
    append_chars(out, text, result.ptr, 0);
}

void append_general(std::string& out, double value) {
    char text[kNumberRoom];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    append_chars(out, text, result.ptr, 0);
}

}  // namespace abazenta
