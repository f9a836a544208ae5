// Slot roles and element outlines.
#include "element_shape.h"

#include <cmath>

namespace zentaplot {

namespace {

// Relative area below which an outline counts as flat: far below any real element, far above
// the rounding error of the coordinates.
constexpr double kFlatRatio = 1e-12;

// Calls edge(a, b) for every straight piece of the closed outline.
template <typename Edge>
void ForEachEdge(const ElementShape& shape, Edge edge) {
    for (int i = 0; i < shape.outline_count; ++i)
        edge(shape.outline[i], shape.outline[(i + 1) % shape.outline_count]);
}

bool IsMidside(int slot) {
    return slot % 2 == 1;  // corner and midside slots alternate, a corner first
}

}  // namespace

int CornerCount(const Element& element) {
    if (element.slot_count == 6) return 3;
    const bool triangle_in_eight = element.slots[6].ref == 0 && element.slots[7].ref == 0;
    return triangle_in_eight ? 3 : 4;
}

SlotKind KindOfSlot(const Element& element, int slot, int node_count) {
    if (slot >= 2 * CornerCount(element)) return SlotKind::kEmpty;
    const NodeRef& ref = element.slots[slot];
    if (ref.node != kNoNode) return SlotKind::kNode;
    if (IsMidside(slot)) {
        if (ref.ref == 0) return SlotKind::kEmpty;
        // The filler names no node; it only tells that the edge is straight.
        if (static_cast<long long>(ref.ref) == static_cast<long long>(node_count) + 2)
            return SlotKind::kFiller;
    }
    return SlotKind::kUnnamed;
}

ElementShape ShapeOf(const Layer& layer, const Element& element) {
    ElementShape shape;
    const int node_count = static_cast<int>(layer.nodes.size());
    const int slots = 2 * CornerCount(element);
    int corners_named = 0;
    for (int s = 0; s < slots; ++s) {
        const SlotKind kind = KindOfSlot(element, s, node_count);
        if (kind == SlotKind::kUnnamed) ++shape.unnamed_slots;
        if (kind != SlotKind::kNode) continue;
        const Point& xy = layer.nodes[static_cast<std::size_t>(element.slots[s].node)].xy;
        shape.outline[shape.outline_count++] = xy;
        if (!IsMidside(s)) {
            shape.centre.x += xy.x;
            shape.centre.y += xy.y;
            ++corners_named;
        }
    }
    shape.complete = corners_named == slots / 2;
    if (!shape.complete) shape.outline_count = 0;
    shape.has_centre = corners_named > 0;
    if (shape.has_centre) {
        shape.centre.x /= corners_named;
        shape.centre.y /= corners_named;
    }
    return shape;
}

double TwiceSignedArea(const ElementShape& shape) {
    double sum = 0.0;
    ForEachEdge(shape, [&](const Point& a, const Point& b) { sum += a.x * b.y - b.x * a.y; });
    return sum;
}

bool HasZeroArea(const ElementShape& shape) {
    double perimeter = 0.0;
    ForEachEdge(shape, [&](const Point& a, const Point& b) {
        perimeter += std::hypot(b.x - a.x, b.y - a.y);
    });
    return std::fabs(TwiceSignedArea(shape)) <= 2.0 * kFlatRatio * perimeter * perimeter;
}

}  // namespace zentaplot
