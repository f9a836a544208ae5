// The two scans over an ABAQUS input held in memory, and the whole translation of one input.
#pragma once

#include <ostream>
#include <string_view>

#include "model.h"

namespace abazenta {

// What the first scan counts: data lines of *NODE, *ELEMENT and *CLOAD blocks.
struct FirstScanCounts {
    int nodes = 0;
    int elements = 0;
    int loads = 0;
};

// The first scan: drops the first line unexamined, counts, and echoes the lines of skipped
// blocks on `echo`.
FirstScanCounts first_scan(std::string_view input, std::ostream& echo);

// The second scan: stores nodes, elements, materials, fixities and loads into `model`;
// warnings go to `warnings`.
void second_scan(std::string_view input, AbaqusModel& model, std::ostream& warnings);

// Both scans with their progress messages on `diagnostics`, ending with the check that the model
// has a node and an element to write. Throws TranslationError when the input cannot be
// translated.
AbaqusModel scan_model(std::string_view input, std::ostream& diagnostics);

// scan_model, then the legacy file on `legacy`.
void translate(std::string_view input, std::ostream& legacy, std::ostream& diagnostics);

}  // namespace abazenta
