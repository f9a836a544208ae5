// Boundary conditions and concentrated loads: the fields of *BOUNDARY and *CLOAD data lines,
// and the merge of loads on the same node before they are written.
#pragma once

#include <string_view>
#include <vector>

#include "fields.h"
#include "legacy_model.h"

namespace abazenta {

// What a *BOUNDARY data line says.
struct BoundaryLine {
    std::string_view target;       // node number, set name, "Inst.Name" or "Inst.12"
    unsigned char directions = 0;  // kFixedX | kFixedY: the plane directions constrained
    double value = 0.0;            // the prescribed displacement; 0 when missing
};

// Reads node or set, first direction, last direction, value; a missing, empty or 0 last
// direction means the first alone. A third field that is not an integer is the value ("node,
// direction, value"). A symbolic type (ENCASTRE, XSYMM, ...) in place of the first direction names
// the directions itself.
BoundaryLine parse_boundary(const Fields& fields);

// What a *CLOAD data line says.
struct CloadLine {
    std::string_view target;           // as for *BOUNDARY
    std::string_view direction_field;  // as written
    int direction = 0;                 // 0 when the field is not an integer
    double value = 0.0;
};

CloadLine parse_cload(const Fields& fields);

// Loads with the same node and load case summed into the first of them, in list order.
std::vector<LoadRecord> merge_loads(std::vector<LoadRecord> loads);

}  // namespace abazenta
