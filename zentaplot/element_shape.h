// The outline of an element as drawn: corners and midside nodes along its edge, with every
// slot sorted into what it names.
#pragma once

#include "plot_model.h"

namespace zentaplot {

enum class SlotKind {
    kNode,    // names a node line of the layer
    kEmpty,   // 0 in a midside slot (a straight edge), or a slot the element does not use
    kFiller,  // the ABAQUS translator's filler (node count + 2) in a midside slot
    kUnnamed  // names no node line: any other reference, or 0 in a corner slot
};

// Which role every slot plays for an element; `node_count` is its layer's.
SlotKind KindOfSlot(const Element& element, int slot, int node_count);

// Three corners for six slots, and for eight slots whose last two are 0 (the ANSYS
// translator's triangle); four otherwise.
int CornerCount(const Element& element);

struct ElementShape {
    // Corners and the midside nodes that follow them, in slot order; only when complete.
    Point outline[kMaxSlots];
    int outline_count = 0;
    bool complete = false;  // every corner names a node, so the outline can be drawn
    int unnamed_slots = 0;  // slots of kind kUnnamed
    Point centre;           // the mean of the corners that name nodes
    bool has_centre = false;
};

ElementShape ShapeOf(const Layer& layer, const Element& element);

// Twice the signed area of the outline: positive counter-clockwise (x right, y up).
double TwiceSignedArea(const ElementShape& shape);

// True when the outline encloses no area worth the name: its area is below a tiny fraction
// of the square of its perimeter (so the test does not depend on the model's units).
bool HasZeroArea(const ElementShape& shape);

}  // namespace zentaplot
