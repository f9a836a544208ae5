// Fuzz target of the stress mapping program: the stress listing reader on the whole input, and
// the whole pipeline (mesh readers, mesh conversion, listing reader, MRP writer) with the input
// split at the first line "%%LISTING%%" into an archive and a listing.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "archive_pipeline.h"
#include "data.h"
#include "fatal_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::ostringstream console, mrp;

    Data listingOnly(console, kAnsmrpRules);
    std::istringstream wholeListing(input);
    listingOnly.readStress(wholeListing);
    listingOnly.writeMRP(mrp);

    const std::string marker = "\n%%LISTING%%\n";
    size_t split = input.find(marker);
    std::istringstream archive(input.substr(0, split));
    std::istringstream listing(split == std::string::npos ? ""
                                                          : input.substr(split + marker.size()));
    Data dat(console, kAnsmrpRules);
    try {
        translateForMapping(archive, listing, "listing.str", mrp, dat);
    } catch (const FatalError&) {
    }
    return 0;
}
