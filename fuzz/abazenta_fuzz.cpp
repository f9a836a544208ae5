// Fuzz target: the whole translation (both scans and the writer) of one input.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "error.h"
#include "translator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::ostringstream legacy;
    std::ostringstream diagnostics;
    try {
        abazenta::translate(input, legacy, diagnostics);
    } catch (const abazenta::TranslationError& error) {
        // Input that cannot be translated: a message and a non-zero status, nothing more.
        if (error.status() == 0 || std::string_view(error.what()).empty()) __builtin_trap();
    }
    return 0;
}
