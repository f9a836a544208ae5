// The fixities and prescribed displacements in force at the end of the last step.
#include "fixities.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "step_rules.h"

namespace abazenta {

namespace {

// One direction of one node fixed by one line.
struct Fixing {
    int node;
    unsigned char direction;
    double value;
};

}  // namespace

std::vector<NodeFixity> fixities_in_force(const DeckModel& deck,
                                          const std::vector<PlacedMesh>& placed) {
    std::vector<Contribution> contributions;
    std::vector<Fixing> fixings;
    for (const FixityRecord& record : deck.fixities) {
        const int node = output_node(record.target, placed, deck.has_parts());
        if (node < 0) continue;
        const double scale = deck.history_lines[static_cast<std::size_t>(record.line)].scale;
        for (const unsigned char direction : {kFixedX, kFixedY}) {
            if ((record.directions & direction) == 0) continue;
            const std::uint64_t key =
                (std::uint64_t{static_cast<std::uint32_t>(node)} << 2) | direction;
            contributions.push_back({record.line, key});
            fixings.push_back({node, direction, record.value * scale});
        }
    }
    const std::vector<bool> alive = in_force(contributions, deck.history_lines, deck.renewed_in);
    std::vector<NodeFixity> fixities;
    std::unordered_map<int, std::size_t> position;  // output node -> index in `fixities`
    for (std::size_t i = 0; i < fixings.size(); ++i) {
        if (!alive[i]) continue;
        const Fixing& fixing = fixings[i];
        const auto [entry, is_new] = position.try_emplace(fixing.node, fixities.size());
        if (is_new) fixities.push_back(NodeFixity{fixing.node, 0, 0.0, 0.0});
        NodeFixity& fixity = fixities[entry->second];
        fixity.fixed |= fixing.direction;
        (fixing.direction == kFixedX ? fixity.x_value : fixity.y_value) = fixing.value;
    }
    std::sort(fixities.begin(), fixities.end(),
              [](const NodeFixity& a, const NodeFixity& b) { return a.node < b.node; });
    return fixities;
}

}  // namespace abazenta
