// Boundary conditions and concentrated loads: *BOUNDARY and *CLOAD data lines of the second
// scan, and the merge of loads on the same node before they are written.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "model.h"

namespace abazenta {

// A *BOUNDARY data line: node number, direction, value. Only a value of 0 in direction 1 or 2
// on a defined node fixes anything; other lines are ignored, some with a warning on
// `warnings`.
void read_boundary(AbaqusModel& model, std::string_view line, std::ostream& warnings);

// A *CLOAD data line: node number, direction (1 or 2), value. A line on an undefined node is
// ignored with a warning. Throws TranslationError for any other direction.
void read_cload(AbaqusModel& model, std::string_view line, std::ostream& warnings);

// Loads with the same node and load case summed into the first of them, in list order.
std::vector<LoadRecord> merge_loads(const std::vector<LoadRecord>& loads);

}  // namespace abazenta
