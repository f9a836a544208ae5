// Fault finding: one pass over the elements and the conditions of every layer.
#include "faults.h"

#include "element_shape.h"

namespace zentaplot {

namespace {

std::uint8_t MarkElement(const Layer& layer, const Element& element, LayerFaults& faults,
                         FaultCounts& counts) {
    for (int s = 0; s < element.slot_count; ++s) {
        const int node = element.slots[s].node;
        if (node != kNoNode) faults.node_unused[static_cast<std::size_t>(node)] = false;
    }
    const ElementShape shape = ShapeOf(layer, element);
    std::uint8_t marks = 0;
    if (shape.unnamed_slots > 0) marks |= kUnnamedSlot;
    counts.unnamed_slots += shape.unnamed_slots;
    if (shape.complete) {
        if (HasZeroArea(shape))
            marks |= kZeroArea;
        else if (TwiceSignedArea(shape) < 0.0)
            marks |= kClockwise;
    }
    if (marks & (kZeroArea | kClockwise)) ++counts.inverted;
    return marks;
}

template <typename Condition>
void CountUnnamed(const std::vector<Condition>& conditions, FaultCounts& counts) {
    for (const Condition& c : conditions)
        if (c.node.node == kNoNode) ++counts.unnamed_conditions;
}

}  // namespace

FaultReport FindFaults(const PlotModel& model) {
    FaultReport report;
    report.layers.reserve(model.layers.size());
    for (const Layer& layer : model.layers) {
        report.layers.emplace_back();
        LayerFaults& faults = report.layers.back();
        faults.node_unused.assign(layer.nodes.size(), true);
        faults.element_marks.reserve(layer.elements.size());
        for (const Element& element : layer.elements)
            faults.element_marks.push_back(MarkElement(layer, element, faults, report.counts));
        for (bool unused : faults.node_unused)
            if (unused) ++report.counts.unused_nodes;
        CountUnnamed(layer.fixities, report.counts);
        CountUnnamed(layer.loads, report.counts);
    }
    return report;
}

}  // namespace zentaplot
