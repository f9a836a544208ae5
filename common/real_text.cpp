// Text forms of reals that read back exactly.
#include "real_text.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zenta {

std::string ShortestReal(double value) {
    char text[64];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string GeneralOrShortest(double value) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%g", value);
    if (length > 0 && static_cast<size_t>(length) < sizeof text) {
        const double read_back = std::strtod(text, nullptr);
        // Compare bit patterns so that -0 and 0, and NaNs, are told apart as strtod reads them.
        if (std::memcmp(&read_back, &value, sizeof value) == 0) return std::string(text, length);
    }
    return ShortestReal(value);
}

}  // namespace zenta
