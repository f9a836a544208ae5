// Distributed loads: what the data lines of *DSLOAD and *DLOAD say.
#include "distributed_loads.h"

#include <cmath>

namespace abazenta {

namespace {

// The translated labels of each keyword: the load they give, its key among the loads that
// replace one another, the face of a Pn label and the direction of a body force label.
struct LabelRule {
    std::string_view label;
    LoadKind kind;
    int key;
    int face;
    double dx, dy;
};

constexpr LabelRule kDsloadLabels[] = {
    {"P", LoadKind::kPressure, 0, 0, 0.0, 0.0},
    {"TRSHR", LoadKind::kShear, 1, 0, 0.0, 0.0},
    {"TRVEC", LoadKind::kTraction, 2, 0, 0.0, 0.0},
};

constexpr LabelRule kDloadLabels[] = {
    {"P1", LoadKind::kPressure, 0, 1, 0.0, 0.0},
    {"P2", LoadKind::kPressure, 0, 2, 0.0, 0.0},
    {"P3", LoadKind::kPressure, 0, 3, 0.0, 0.0},
    {"P4", LoadKind::kPressure, 0, 4, 0.0, 0.0},
    {"BX", LoadKind::kBody, 3, 0, 1.0, 0.0},
    {"BR", LoadKind::kBody, 4, 0, 1.0, 0.0},
    {"BY", LoadKind::kBody, 5, 0, 0.0, 1.0},
    {"BZ", LoadKind::kBody, 6, 0, 0.0, 1.0},
    {"GRAV", LoadKind::kGravity, 7, 0, 0.0, 0.0},
    {"CENTRIF", LoadKind::kCentrifugal, 8, 0, 0.0, 0.0},
};

// Field positions after the magnitude.
constexpr std::size_t kMagnitudeField = 2;
constexpr std::size_t kDirectionField = 3;
constexpr std::size_t kAxisPointField = 3;
constexpr std::size_t kAxisDirectionField = 6;

// Components of an axis direction below this part of its length count as 0.
constexpr double kAxisTolerance = 1e-9;

template <std::size_t N>
DistributedLine parse_line(const Fields& fields, const LabelRule (&rules)[N]) {
    DistributedLine line;
    line.target = fields[0];
    const std::string label = upper_case(fields[1]);
    for (const LabelRule& rule : rules) {
        if (rule.label != label) continue;
        line.understood = true;
        line.kind = rule.kind;
        line.key = rule.key;
        line.face = rule.face;
        line.dx = rule.dx;
        line.dy = rule.dy;
    }
    line.magnitude = parse_real(fields[kMagnitudeField]);
    return line;
}

// The unit vector of the direction given at `first` (dx, dy; dz is ignored).
void read_direction(const Fields& fields, std::size_t first, DistributedLine& line) {
    const double dx = parse_real(fields[first]);
    const double dy = parse_real(fields[first + 1]);
    const double length = std::hypot(dx, dy);
    const bool usable = length > 0.0 && std::isfinite(length);
    line.dx = usable ? dx / length : 0.0;
    line.dy = usable ? dy / length : 0.0;
}

bool negligible(double component, double length) {
    return std::fabs(component) <= kAxisTolerance * length;
}

}  // namespace

DistributedLine parse_dsload(const Fields& fields) {
    DistributedLine line = parse_line(fields, kDsloadLabels);
    if (line.kind == LoadKind::kShear || line.kind == LoadKind::kTraction)
        read_direction(fields, kDirectionField, line);
    return line;
}

DistributedLine parse_dload(const Fields& fields) {
    DistributedLine line = parse_line(fields, kDloadLabels);
    if (line.kind == LoadKind::kGravity) read_direction(fields, kDirectionField, line);
    if (line.kind == LoadKind::kCentrifugal) {
        line.x0 = parse_real(fields[kAxisPointField]);
        line.y0 = parse_real(fields[kAxisPointField + 1]);
        line.z0 = parse_real(fields[kAxisPointField + 2]);
        line.ax = parse_real(fields[kAxisDirectionField]);
        line.ay = parse_real(fields[kAxisDirectionField + 1]);
        line.az = parse_real(fields[kAxisDirectionField + 2]);
    }
    return line;
}

bool centrifugal_axis_fits(const DistributedLine& line, bool axisymmetric) {
    const double length = std::sqrt(line.ax * line.ax + line.ay * line.ay + line.az * line.az);
    if (!(length > 0.0)) return false;
    if (axisymmetric)
        return negligible(line.ax, length) && negligible(line.az, length) && line.x0 == 0.0 &&
               line.z0 == 0.0;
    return negligible(line.ax, length) && negligible(line.ay, length);
}

}  // namespace abazenta
