// Fuzz target: the whole conversion of arbitrary bytes as a legacy input file, in memory.
// A malformed file must end in FormatError; anything else escaping is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "convert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    try {
        Zenta2D::ConvertFiles(in, out);
    } catch (const Zenta2D::FormatError&) {
    }
    return 0;
}
