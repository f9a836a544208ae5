// Fuzz target: the whole archive translation (every reader, the conversions and the legacy
// writer) on one input, without and with -full.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "archive_pipeline.h"
#include "data.h"
#include "fatal_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    for (bool full : {false, true}) {
        std::istringstream archive(input);
        std::ostringstream console, legacy;
        Data dat(console);
        dat.full = full;
        try {
            translateArchive(archive, legacy, dat);
        } catch (const FatalError&) {
        }
    }
    return 0;
}
