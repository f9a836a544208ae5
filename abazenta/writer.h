// Writer of the legacy input file: title, counts, materials, elements, nodes, fixities, loads.
#pragma once

#include <functional>
#include <ostream>
#include <vector>

#include "legacy_model.h"

namespace abazenta {

// True for a node count that the writer can write (3, 4, 6 or 8).
bool is_writable_element(int node_count);

// How many elements write_model writes.
int count_writable_elements(const LegacyModel& model);

// Writes the whole model as a legacy input file on `out`; elements that cannot be written are
// reported on `warnings`.
void write_model(const LegacyModel& model, std::ostream& out, std::ostream& warnings);

// The loads to write, asked for once the rest of the model is written (the caller may work
// them out meanwhile).
using LoadsWhenWritten = std::function<const std::vector<LoadRecord>&()>;

// The same with the loads that `loads` gives instead of the model's.
void write_model(const LegacyModel& model, std::ostream& out, std::ostream& warnings,
                 const LoadsWhenWritten& loads);

}  // namespace abazenta
