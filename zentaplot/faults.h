// The faults a conversion can leave in a model, found once for the picture and its caption.
#pragma once

#include <cstdint>
#include <vector>

#include "plot_model.h"

namespace zentaplot {

// Marks of one element, combined by bitwise or.
enum ElementMark : std::uint8_t {
    kClockwise = 1,    // its outline runs clockwise
    kZeroArea = 2,     // its outline encloses no area
    kUnnamedSlot = 4,  // a slot names no node
};

struct LayerFaults {
    std::vector<std::uint8_t> element_marks;  // one per element of the layer
    std::vector<bool> node_unused;            // one per node: no element slot names it
};

struct FaultCounts {
    long long inverted = 0;            // elements clockwise or of zero area
    long long unnamed_slots = 0;       // element slots naming no node (filler slots excluded)
    long long unused_nodes = 0;        // nodes that no element uses
    long long unnamed_conditions = 0;  // fixity and load records naming no node
};

struct FaultReport {
    FaultCounts counts;
    std::vector<LayerFaults> layers;  // one per layer of the model
};

FaultReport FindFaults(const PlotModel& model);

}  // namespace zentaplot
