// Distributed loads: what the data lines of *DSLOAD and *DLOAD say, by their load labels.
#pragma once

#include <string_view>

#include "deck_model.h"
#include "fields.h"

namespace abazenta {

// What a *DSLOAD or *DLOAD data line says.
struct DistributedLine {
    bool understood = false;  // a label that is translated
    std::string_view target;  // surface, element number, set, "Inst.12" or "Inst.Name"
    LoadKind kind = LoadKind::kPressure;
    int key = 0;   // the label's key (DistributedLoad::key)
    int face = 0;  // Pn: n; 0 for a load on a surface or a body load
    double magnitude = 0.0;
    double dx = 0.0, dy = 0.0;  // unit vector of the direction; 0, 0 when it has no length
    // CENTRIF: a point of the axis and its direction.
    double x0 = 0.0, y0 = 0.0, z0 = 0.0;
    double ax = 0.0, ay = 0.0, az = 0.0;
};

// "surface, P, p", "surface, TRSHR, t, dx, dy, dz" or "surface, TRVEC, t, dx, dy, dz"; other
// labels are not understood.
DistributedLine parse_dsload(const Fields& fields);

// "element or set, Pn, p" (n = 1 to 4), "..., BX, b" (BR, BY, BZ), "..., GRAV, g, dx, dy, dz"
// or "..., CENTRIF, w2, x0, y0, z0, ax, ay, az"; other labels are not understood.
DistributedLine parse_dload(const Fields& fields);

// Whether the axis of a CENTRIF line suits an element: for an axisymmetric one the symmetry
// axis (direction (0, a, 0) through a point with x0 = z0 = 0), for any other a direction
// (0, 0, a), either sign of a.
bool centrifugal_axis_fits(const DistributedLine& line, bool axisymmetric);

}  // namespace abazenta
