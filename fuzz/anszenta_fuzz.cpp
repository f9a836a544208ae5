// Fuzz target: the whole archive translation (every reader, the conversions and the legacy
// writer) on one input.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "archive_pipeline.h"
#include "data.h"
#include "fatal_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream archive(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream console, legacy;
    Data dat(console);
    try {
        translateArchive(archive, legacy, dat);
    } catch (const FatalError&) {
    }
    return 0;
}
