// Orientation test of the element converters.
#pragma once

#include "node.h"

// Twice the signed area of the triangle a, b, c, positive when the corners run
// counter-clockwise. Computed in single precision with every operation rounded on its own
// (this unit is built without fused multiply-add), so that the sign of a nearly flat element
// is the same on every machine.
float twiceSignedArea(const Node& a, const Node& b, const Node& c);
