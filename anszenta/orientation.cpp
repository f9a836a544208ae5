// Single-precision orientation of three corners.
#include "orientation.h"

float twiceSignedArea(const Node& a, const Node& b, const Node& c) {
    float xi = static_cast<float>(a.x), yi = static_cast<float>(a.y);
    float xj = static_cast<float>(b.x), yj = static_cast<float>(b.y);
    float xk = static_cast<float>(c.x), yk = static_cast<float>(c.y);
    return (xj * yk + xk * yi + xi * yj) - (yi * xj + yj * xk + yk * xi);
}
