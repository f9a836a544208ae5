// The usage text and the printf helper of the messages.
#include "messages.h"

#include <cstdarg>
#include <cstdio>

namespace zentaplot::Text {

const char* const kUsage =
    "Usage: zentaplot [--width N] [--labels] MODEL.inp PICTURE\n"
    "  or:  zentaplot --help | --version\n"
    "Draws a ZENTA2D input file, legacy or current, into PICTURE (.png or .svg):\n"
    "elements in their material colours, fixities, loads, and in red what a conversion\n"
    "got wrong. The caption's \"faults:\" line is also printed on standard output.\n"
    "  --width N   pixels of the longer side of the picture (400 to 8000, default 1600)\n"
    "  --labels    node and element numbers, for small models\n"
    "  --help      show this text\n"
    "  --version   show the program's name and version\n";

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0) std::vsnprintf(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}

}  // namespace zentaplot::Text
