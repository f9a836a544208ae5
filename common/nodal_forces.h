// Consistent nodal forces of distributed loads on plane elements: the forces that a solver
// applies for a traction on an element face (F_i = integral of N_i q t ds) or a body force on
// an element (F_i = integral of N_i b t dA), with the element's own isoparametric shape
// functions. Both converters hand it node coordinates and a load; it knows nothing of the
// formats they read.
//
// Coordinates and forces are in the model's own units. The thickness factor t is a function of
// the point: a constant for plane stress and plane strain, 2 pi x for axisymmetric models (the
// force on the whole circumference). Integration uses Gauss rules that are exact for
// straight-sided elements with midside nodes at the middle: 3 points on a face, 3 x 3 on a
// quadrilateral and a 7-point rule of degree 5 on a triangle. The same rules are used on every
// element, curved ones included. Sums run in a fixed order, so equal input gives equal bytes.
#pragma once

#include <array>
#include <functional>

namespace zenta {

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

// The thickness factor at a point of the model.
class Thickness {
  public:
    static Thickness Constant(double t) { return Thickness(false, t); }
    // 2 pi r with r the x coordinate of the point.
    static Thickness Axisymmetric() { return Thickness(true, 0.0); }
    double At(Vec2 point) const;
    bool IsAxisymmetric() const { return axisymmetric_; }

  private:
    Thickness(bool axisymmetric, double t) : axisymmetric_(axisymmetric), t_(t) {}
    bool axisymmetric_;
    double t_;
};

// One face of an element: 2 nodes (corner, corner) or 3 nodes (corner, midside, corner), in
// the order in which the face is given. The outward normal of the element lies to the right
// of that order (outward_right) or to its left.
struct Face {
    int node_count = 2;  // 2 or 3
    std::array<Vec2, 3> nodes{};
    bool outward_right = true;
};

// What a face load sees at one integration point.
struct FacePoint {
    Vec2 position;
    Vec2 tangent;                   // unit vector along the face, in its node order
    Vec2 outward_normal;            // unit normal pointing out of the element
    std::array<double, 3> shape{};  // the face's shape functions at the point, by face node
                                    // (the third is 0 on a 2-node face)
};

// The traction (force per unit area) at a point of a face.
using FaceTraction = std::function<Vec2(const FacePoint&)>;

// Forces on the face's nodes, in face node order (entries beyond node_count are zero). A face
// of no length gives zero forces, and so does a node_count other than 2 or 3; the traction is
// called only at points where the face has a length.
std::array<Vec2, 3> FaceForces(const Face& face, const Thickness& thickness,
                               const FaceTraction& traction);

// Pressure given at the face's nodes (interpolated with the face's shape functions), pushing
// into the element when positive: q = -p n.
std::array<Vec2, 3> PressureForces(const Face& face, const Thickness& thickness,
                                   const std::array<double, 3>& pressure);

// A plane element: 3 or 4 corners in its own order, each side optionally with a midside node
// (side k runs from corner k to corner k+1, the last back to corner 1). All midsides present
// gives the 6-node triangle or the 8-node quadrilateral; none the 3-node triangle or the
// 4-node quadrilateral; some of them the usual linear-to-quadratic transition element.
struct Element {
    int corner_count = 4;  // 3 or 4
    std::array<Vec2, 4> corners{};
    std::array<bool, 4> has_midside{};
    std::array<Vec2, 4> midsides{};
};

// The body force (force per unit volume) at a point of an element.
using BodyForce = std::function<Vec2(Vec2 position)>;

// Forces on the element's nodes: entries 0 to 3 the corners, 4 to 7 the midsides of sides 1 to
// 4 (zero where a node is absent: entries 3 and 7 of a triangle). Clockwise and
// counter-clockwise elements give the same forces. A corner_count other than 3 or 4 gives zero
// forces.
std::array<Vec2, 8> BodyForces(const Element& element, const Thickness& thickness,
                               const BodyForce& force);

// The same for a body force that is the same everywhere (gravity, a constant force per unit
// volume): equal to BodyForces with a function that returns `force`, to the last bit, without a
// call at every integration point.
std::array<Vec2, 8> UniformBodyForces(const Element& element, const Thickness& thickness,
                                      Vec2 force);

// The same for an element given by its nodes in the usual order: its corners, then the midside
// nodes of its sides in side order (3, 4, 6 or 8 nodes; any other count gives zero forces).
// Entry i is the force on node i. Equal to UniformBodyForces of the same Element to the last
// bit, for converters whose elements already list their nodes so.
std::array<Vec2, 8> UniformBodyForcesByNode(const std::array<Vec2, 8>& positions, int node_count,
                                            const Thickness& thickness, Vec2 force);

// Twice the signed area of the polygon of the given corners: positive when they run
// counter-clockwise. The converters use its sign to tell on which side of a face the outside
// of the element lies.
double TwiceSignedArea(const Vec2* corners, int count);

}  // namespace zenta
