// Boundary conditions and concentrated loads: *BOUNDARY and *CLOAD data lines of the second
// scan, and the merge of loads on the same node before they are written.
#include "conditions.h"

#include <cstdint>
#include <unordered_map>

#include "error.h"
#include "fields.h"
#include "messages.h"

namespace abazenta {

namespace {

// The first three fields of a *BOUNDARY or *CLOAD line; missing later fields read as 0.
struct NodeLine {
    int node_number = 0;
    std::string_view direction_field;
    int direction = 0;
    double value = 0.0;
};

// Reads the node number; false when the line is to be ignored (with a warning on `warnings`
// when its first field is a word, such as a node-set name, rather than an integer).
bool read_node_line(std::string_view line, NodeLine& parsed, std::ostream& warnings) {
    FieldCursor fields(line);
    const std::string_view first = fields.next();
    if (first.empty()) return false;
    if (!parse_integer(first, parsed.node_number)) {
        warnings << messages::node_set_ignored(first);
        return false;
    }
    parsed.direction_field = fields.next();
    if (!parse_integer(parsed.direction_field, parsed.direction)) parsed.direction = 0;
    parsed.value = parse_real(fields.next());
    return true;
}

unsigned char fixity_of_direction(int direction) {
    switch (direction) {
        case 1:
            return kFixedX;
        case 2:
            return kFixedY;
        default:
            return 0;
    }
}

}  // namespace

void read_boundary(AbaqusModel& model, std::string_view line, std::ostream& warnings) {
    NodeLine parsed;
    if (!read_node_line(line, parsed, warnings)) return;
    if (parsed.value != 0.0) {
        warnings << messages::kNonZeroDisplacement;
        return;
    }
    const int index = model.node_map.find(parsed.node_number);
    if (index < 0) {
        warnings << messages::boundary_on_undefined_node(parsed.node_number);
        return;
    }
    model.fixity[index] |= fixity_of_direction(parsed.direction);
}

void read_cload(AbaqusModel& model, std::string_view line, std::ostream& warnings) {
    NodeLine parsed;
    if (!read_node_line(line, parsed, warnings)) return;
    if (parsed.direction != 1 && parsed.direction != 2)
        throw TranslationError(messages::unrecognized_direction(parsed.direction_field, line), 1);
    const int index = model.node_map.find(parsed.node_number);
    if (index < 0) {
        warnings << messages::load_on_undefined_node(parsed.node_number);
        return;
    }
    LoadRecord record;
    record.node = index;
    record.load_case = model.load_case;
    (parsed.direction == 1 ? record.fx : record.fy) = parsed.value;
    model.loads.push_back(record);
    ++model.num_loads;
}

std::vector<LoadRecord> merge_loads(const std::vector<LoadRecord>& loads) {
    std::vector<LoadRecord> merged;
    // (node, load case) -> position in `merged` of the record that absorbs the later ones.
    std::unordered_map<std::uint64_t, std::size_t> absorber;
    absorber.reserve(loads.size());
    for (const LoadRecord& load : loads) {
        const std::uint64_t key = (std::uint64_t{static_cast<std::uint32_t>(load.node)} << 32) |
                                  static_cast<std::uint32_t>(load.load_case);
        auto [slot, is_new] = absorber.try_emplace(key, merged.size());
        if (is_new) {
            merged.push_back(load);
        } else {
            merged[slot->second].fx += load.fx;
            merged[slot->second].fy += load.fy;
        }
    }
    return merged;
}

}  // namespace abazenta
