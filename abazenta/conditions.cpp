// Boundary conditions and concentrated loads: the fields of *BOUNDARY and *CLOAD data lines,
// and the merge of loads on the same node.
#include "conditions.h"

#include <cstdint>
#include <unordered_map>

namespace abazenta {

namespace {

// The symbolic boundary types and the plane directions that each one fixes. ZSYMM fixes
// nothing in the plane.
struct SymbolicBoundary {
    std::string_view name;
    unsigned char directions;
};
constexpr SymbolicBoundary kSymbolicBoundaries[] = {
    {"ENCASTRE", kFixedX | kFixedY},
    {"PINNED", kFixedX | kFixedY},
    {"ZASYMM", kFixedX | kFixedY},
    {"XSYMM", kFixedX},
    {"YASYMM", kFixedX},
    {"YSYMM", kFixedY},
    {"XASYMM", kFixedY},
    {"ZSYMM", 0},
};

unsigned char symbolic_directions(std::string_view name) {
    const std::string upper = upper_case(name);
    for (const SymbolicBoundary& entry : kSymbolicBoundaries)
        if (entry.name == upper) return entry.directions;
    return 0;
}

// The plane directions (1 is x, 2 is y) among first to last.
unsigned char directions_between(int first, int last) {
    unsigned char directions = 0;
    if (first <= 1 && 1 <= last) directions |= kFixedX;
    if (first <= 2 && 2 <= last) directions |= kFixedY;
    return directions;
}

}  // namespace

BoundaryLine parse_boundary(const Fields& fields) {
    BoundaryLine line;
    line.target = fields[0];
    int first = 0;
    if (!parse_integer(fields[1], first)) {
        line.directions = symbolic_directions(fields[1]);
        return line;
    }
    int last = first;
    const std::string_view third = fields[2];
    if (third.empty() || parse_integer(third, last)) {
        line.value = parse_real(fields[3]);
    } else {
        line.value = parse_real(third);
    }
    // "node, direction, 0" written with an integer zero: a last direction of 0 is none.
    if (last == 0) last = first;
    line.directions = directions_between(first, last);
    return line;
}

CloadLine parse_cload(const Fields& fields) {
    CloadLine line;
    line.target = fields[0];
    line.direction_field = fields[1];
    if (!parse_integer(line.direction_field, line.direction)) line.direction = 0;
    line.value = parse_real(fields[2]);
    return line;
}

// The records are merged within their own table: a record that stays moves to the place of
// the first one that merges into nothing, never after where it stood.
std::vector<LoadRecord> merge_loads(std::vector<LoadRecord> loads) {
    // (node, load case) -> position of the record that absorbs the later ones.
    std::unordered_map<std::uint64_t, std::size_t> absorber;
    absorber.reserve(loads.size());
    std::size_t kept = 0;
    for (const LoadRecord& load : loads) {
        const std::uint64_t key = (std::uint64_t{static_cast<std::uint32_t>(load.node)} << 32) |
                                  static_cast<std::uint32_t>(load.load_case);
        auto [slot, is_new] = absorber.try_emplace(key, kept);
        if (is_new) {
            loads[kept++] = load;
        } else {
            loads[slot->second].fx += load.fx;
            loads[slot->second].fy += load.fy;
        }
    }
    loads.resize(kept);
    return loads;
}

}  // namespace abazenta
