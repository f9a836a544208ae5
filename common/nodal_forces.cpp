// Consistent nodal forces of face and body loads, by Gauss integration over the element's own
// isoparametric shape functions. The shape functions are evaluated at the Gauss points once, at
// compile time, for every set of midside nodes an element can have; a call picks its element's.
#include "nodal_forces.h"

#include <cmath>

namespace zenta {
namespace {

constexpr double kPi = 3.14159265358979323846264338327950288;
constexpr double kRootOfThreeFifths = 0.77459666924148337703585307995647992;  // sqrt(3/5)
constexpr double kRootOf15 = 3.87298334620741688517926539978239961;           // sqrt(15)

// ---- Integration rules ----------------------------------------------------------------------

// Gauss-Legendre rule of 3 points on [-1, 1], exact for polynomials of degree 5: point, weight.
struct LinePoint {
    double xi;
    double weight;
};
constexpr std::array<LinePoint, 3> kLineRule = {{
    {-kRootOfThreeFifths, 5.0 / 9.0},
    {0.0, 8.0 / 9.0},
    {kRootOfThreeFifths, 5.0 / 9.0},
}};

// The symmetric 7-point rule of degree 5 on a triangle: area coordinates (L1, L2, L3) of each
// point and its weight as a fraction of the triangle's area (the weights sum to 1). The centroid,
// three points near the corners and three near the middles of the sides.
struct TrianglePoint {
    std::array<double, 3> area;
    double weight;
};
constexpr double kNearCorner = (6.0 - kRootOf15) / 21.0;
constexpr double kNearCornerRest = (9.0 + 2.0 * kRootOf15) / 21.0;
constexpr double kNearCornerWeight = (155.0 - kRootOf15) / 1200.0;
constexpr double kNearSide = (6.0 + kRootOf15) / 21.0;
constexpr double kNearSideRest = (9.0 - 2.0 * kRootOf15) / 21.0;
constexpr double kNearSideWeight = (155.0 + kRootOf15) / 1200.0;
constexpr std::array<TrianglePoint, 7> kTriangleRule = {{
    {{1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0}, 9.0 / 40.0},
    {{kNearCornerRest, kNearCorner, kNearCorner}, kNearCornerWeight},
    {{kNearCorner, kNearCornerRest, kNearCorner}, kNearCornerWeight},
    {{kNearCorner, kNearCorner, kNearCornerRest}, kNearCornerWeight},
    {{kNearSideRest, kNearSide, kNearSide}, kNearSideWeight},
    {{kNearSide, kNearSideRest, kNearSide}, kNearSideWeight},
    {{kNearSide, kNearSide, kNearSideRest}, kNearSideWeight},
}};

// The reference triangle of the natural coordinates (xi, eta) = (L2, L3) has area 1/2.
constexpr double kReferenceTriangleArea = 0.5;

// ---- Face shape functions -------------------------------------------------------------------

// The shape functions of a face node at one point of the face and their derivatives by xi.
struct FaceShapes {
    std::array<double, 3> value{};
    std::array<double, 3> slope{};
};

// 2-node face, nodes at xi = -1 and 1: linear functions.
constexpr FaceShapes LinearFaceShapes(double xi) {
    return {{(1.0 - xi) / 2.0, (1.0 + xi) / 2.0, 0.0}, {-0.5, 0.5, 0.0}};
}

// 3-node face, nodes at xi = -1, 0 and 1: quadratic functions.
constexpr FaceShapes QuadraticFaceShapes(double xi) {
    return {{xi * (xi - 1.0) / 2.0, 1.0 - xi * xi, xi * (xi + 1.0) / 2.0},
            {xi - 0.5, -2.0 * xi, xi + 0.5}};
}

using FaceShapeTable = std::array<FaceShapes, kLineRule.size()>;

constexpr FaceShapeTable FaceShapesAtGaussPoints(bool quadratic) {
    FaceShapeTable table{};
    for (size_t g = 0; g < kLineRule.size(); ++g) {
        const double xi = kLineRule[g].xi;
        table[g] = quadratic ? QuadraticFaceShapes(xi) : LinearFaceShapes(xi);
    }
    return table;
}

// The face shape functions at the points of kLineRule, in point order.
constexpr FaceShapeTable kLinearFaceAtPoints = FaceShapesAtGaussPoints(false);
constexpr FaceShapeTable kQuadraticFaceAtPoints = FaceShapesAtGaussPoints(true);

// ---- Element shape functions ----------------------------------------------------------------

// One function's value and its derivatives by the natural coordinates.
struct Shape {
    double value = 0.0;
    double dxi = 0.0;
    double deta = 0.0;
};

// The building blocks of an element's functions at one integration point: the linear corner
// functions and the quadratic midside functions of every side.
struct ElementBasis {
    double weight = 0.0;  // the rule's weight times the area of the reference element
    std::array<Shape, 4> corner{};
    std::array<Shape, 4> midside{};  // of sides 1 to 4 (a triangle has three)
};

// An element's own functions at one integration point, in output order (corners 0 to 3,
// midsides 4 to 7; zero for absent nodes).
struct ElementPoint {
    double weight = 0.0;
    std::array<Shape, 8> shape{};
};

// Which midside nodes an element has: bit k for the midside of side k + 1 (a triangle's sets
// never have bit 3).
using MidsideSet = unsigned;
constexpr MidsideSet kMidsideSets = 16;

// Present midsides get their quadratic function, corners the linear one less half of each
// present adjacent midside function: the usual linear-to-quadratic transition element, which is
// the full quadratic element when all midsides are present.
constexpr ElementPoint OwnFunctions(const ElementBasis& basis, int corners, MidsideSet midsides) {
    ElementPoint point{};
    point.weight = basis.weight;
    for (int k = 0; k < corners; ++k) {
        if (midsides & (1u << k)) point.shape[4 + k] = basis.midside[k];
    }
    for (int k = 0; k < corners; ++k) {
        const Shape& after = point.shape[4 + k];
        const Shape& before = point.shape[4 + (k + corners - 1) % corners];
        const Shape& linear = basis.corner[k];
        point.shape[k] = {linear.value - 0.5 * (after.value + before.value),
                          linear.dxi - 0.5 * (after.dxi + before.dxi),
                          linear.deta - 0.5 * (after.deta + before.deta)};
    }
    return point;
}

template <size_t Points>
using ElementRule = std::array<ElementPoint, Points>;

template <size_t Points>
constexpr std::array<ElementRule<Points>, kMidsideSets> OwnFunctionsForEverySet(
    const std::array<ElementBasis, Points>& basis, int corners) {
    std::array<ElementRule<Points>, kMidsideSets> rules{};
    for (MidsideSet set = 0; set < kMidsideSets; ++set) {
        for (size_t g = 0; g < Points; ++g) rules[set][g] = OwnFunctions(basis[g], corners, set);
    }
    return rules;
}

// Natural coordinates of the quadrilateral's corners, counter-clockwise, and of the middles of
// its sides (side k from corner k to corner k + 1).
constexpr double kQuadCorner[4][2] = {{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}};
constexpr double kQuadMidside[4][2] = {{0.0, -1.0}, {1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}};

constexpr Shape QuadCornerShape(int corner, double xi, double eta) {
    const double cx = kQuadCorner[corner][0];
    const double cy = kQuadCorner[corner][1];
    return {(1.0 + cx * xi) * (1.0 + cy * eta) / 4.0, cx * (1.0 + cy * eta) / 4.0,
            cy * (1.0 + cx * xi) / 4.0};
}

// The serendipity midside function: quadratic along its side, linear across.
constexpr Shape QuadMidsideShape(int side, double xi, double eta) {
    const double mx = kQuadMidside[side][0];
    const double my = kQuadMidside[side][1];
    if (mx == 0.0) {
        return {(1.0 - xi * xi) * (1.0 + my * eta) / 2.0, -xi * (1.0 + my * eta),
                my * (1.0 - xi * xi) / 2.0};
    }
    return {(1.0 + mx * xi) * (1.0 - eta * eta) / 2.0, mx * (1.0 - eta * eta) / 2.0,
            -eta * (1.0 + mx * xi)};
}

constexpr ElementBasis QuadBasis(double xi, double eta, double weight) {
    ElementBasis basis{};
    basis.weight = weight;  // the reference square's area is in the Gauss weights
    for (int k = 0; k < 4; ++k) {
        basis.corner[k] = QuadCornerShape(k, xi, eta);
        basis.midside[k] = QuadMidsideShape(k, xi, eta);
    }
    return basis;
}

using QuadTable = std::array<ElementBasis, kLineRule.size() * kLineRule.size()>;

constexpr QuadTable QuadBasisAtGaussPoints() {
    QuadTable table{};
    size_t point = 0;
    for (const LinePoint& along_eta : kLineRule) {
        for (const LinePoint& along_xi : kLineRule) {
            table[point++] =
                QuadBasis(along_xi.xi, along_eta.xi, along_xi.weight * along_eta.weight);
        }
    }
    return table;
}

// Derivatives of the area coordinates L1 = 1 - xi - eta, L2 = xi, L3 = eta.
constexpr double kAreaSlope[3][2] = {{-1.0, -1.0}, {1.0, 0.0}, {0.0, 1.0}};

constexpr ElementBasis TriangleBasis(const TrianglePoint& point) {
    ElementBasis basis{};
    basis.weight = point.weight * kReferenceTriangleArea;
    const std::array<double, 3>& area = point.area;
    for (int k = 0; k < 3; ++k) {
        basis.corner[k] = {area[k], kAreaSlope[k][0], kAreaSlope[k][1]};
        // Side k runs from corner k to corner k + 1: its midside function is 4 L_k L_k+1.
        const int next = (k + 1) % 3;
        basis.midside[k] = {4.0 * area[k] * area[next],
                            4.0 * (kAreaSlope[k][0] * area[next] + area[k] * kAreaSlope[next][0]),
                            4.0 * (kAreaSlope[k][1] * area[next] + area[k] * kAreaSlope[next][1])};
    }
    return basis;
}

using TriangleTable = std::array<ElementBasis, kTriangleRule.size()>;

constexpr TriangleTable TriangleBasisAtGaussPoints() {
    TriangleTable table{};
    for (size_t g = 0; g < kTriangleRule.size(); ++g) table[g] = TriangleBasis(kTriangleRule[g]);
    return table;
}

// The element's own functions at the points of the 3 x 3 rule (xi running fastest) and of the
// 7-point triangle rule, in point order, by the set of midsides present.
constexpr auto kQuadRules = OwnFunctionsForEverySet(QuadBasisAtGaussPoints(), 4);
constexpr auto kTriangleRules = OwnFunctionsForEverySet(TriangleBasisAtGaussPoints(), 3);

// The same functions as the integration reads them: only those of the nodes the element has, in
// the order of its nodes (corners, then the midsides it has), each written twice, so that one
// load multiplies the x and the y of a vector together.
using Pair = std::array<double, 2>;
struct PresentPoint {
    double weight = 0.0;
    std::array<Pair, 8> value{};
    std::array<Pair, 8> dxi{};
    std::array<Pair, 8> deta{};
};

template <size_t Points>
using PresentRule = std::array<PresentPoint, Points>;

constexpr PresentPoint PresentFunctions(const ElementPoint& point, int corners, MidsideSet set) {
    PresentPoint present{};
    present.weight = point.weight;
    int n = 0;
    const auto add = [&present, &n](const Shape& shape) {
        present.value[n] = {shape.value, shape.value};
        present.dxi[n] = {shape.dxi, shape.dxi};
        present.deta[n] = {shape.deta, shape.deta};
        ++n;
    };
    for (int k = 0; k < corners; ++k) add(point.shape[k]);
    for (int k = 0; k < corners; ++k) {
        if (set & (1u << k)) add(point.shape[4 + k]);
    }
    return present;
}

template <size_t Points>
constexpr std::array<PresentRule<Points>, kMidsideSets> PresentForEverySet(
    const std::array<ElementRule<Points>, kMidsideSets>& rules, int corners) {
    std::array<PresentRule<Points>, kMidsideSets> present{};
    for (MidsideSet set = 0; set < kMidsideSets; ++set) {
        for (size_t g = 0; g < Points; ++g) {
            present[set][g] = PresentFunctions(rules[set][g], corners, set);
        }
    }
    return present;
}

constexpr auto kQuadPresentRules = PresentForEverySet(kQuadRules, 4);
constexpr auto kTrianglePresentRules = PresentForEverySet(kTriangleRules, 3);

// ---- Integration ----------------------------------------------------------------------------

Vec2 Scaled(Vec2 v, double factor) {
    return {v.x * factor, v.y * factor};
}

Vec2 Difference(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}

void Accumulate(Vec2& sum, Vec2 v, double factor) {
    sum.x += v.x * factor;
    sum.y += v.y * factor;
}

// F_i += N_i q t |dx/dxi| w at each Gauss point of the face. Points where the face has no
// length contribute nothing, so a face of no length gives zero forces. Positions are summed as
// offsets from the first node: the shape functions sum to 1 and their slopes to 0, so nodes
// that coincide give a slope of exactly 0, and coordinates far from the origin lose no digits
// of the face's length.
template <typename Traction>
std::array<Vec2, 3> IntegrateFace(const Face& face, const Thickness& thickness,
                                  const Traction& traction) {
    std::array<Vec2, 3> forces{};
    if (face.node_count != 2 && face.node_count != 3) return forces;
    const FaceShapeTable& shapes =
        face.node_count == 3 ? kQuadraticFaceAtPoints : kLinearFaceAtPoints;
    const Vec2 origin = face.nodes[0];
    for (size_t g = 0; g < kLineRule.size(); ++g) {
        FacePoint point;
        point.position = origin;
        Vec2 slope;
        for (int i = 1; i < face.node_count; ++i) {
            const Vec2 offset = Difference(face.nodes[i], origin);
            Accumulate(point.position, offset, shapes[g].value[i]);
            Accumulate(slope, offset, shapes[g].slope[i]);
        }
        const double length = std::hypot(slope.x, slope.y);
        if (!(length > 0.0)) continue;
        point.tangent = Scaled(slope, 1.0 / length);
        point.outward_normal = face.outward_right ? Vec2{point.tangent.y, -point.tangent.x}
                                                  : Vec2{-point.tangent.y, point.tangent.x};
        point.shape = shapes[g].value;
        const Vec2 load = traction(point);
        const double factor = kLineRule[g].weight * length * thickness.At(point.position);
        for (int i = 0; i < face.node_count; ++i) {
            Accumulate(forces[i], load, shapes[g].value[i] * factor);
        }
    }
    return forces;
}

// The nodes an element has, as indexes into the output order (corners 0 to 3, midsides 4 to 7)
// with their offsets from the first corner (for the reason given at IntegrateFace).
struct ElementNodes {
    Vec2 origin;
    int count = 0;
    std::array<int, 8> index{};
    std::array<Vec2, 8> offset{};
};

ElementNodes PresentNodes(const Element& element) {
    ElementNodes nodes;
    nodes.origin = element.corners[0];
    const auto add = [&nodes](int index, Vec2 position) {
        nodes.index[nodes.count] = index;
        nodes.offset[nodes.count++] = Difference(position, nodes.origin);
    };
    for (int k = 0; k < element.corner_count; ++k) add(k, element.corners[k]);
    for (int k = 0; k < element.corner_count; ++k) {
        if (element.has_midside[k]) add(4 + k, element.midsides[k]);
    }
    return nodes;
}

// The body force at a point: a function of the point, or the same everywhere (then the point
// is not needed unless the thickness varies).
struct ForceFunction {
    static constexpr bool kReadsPosition = true;
    const BodyForce& force;
    Vec2 operator()(Vec2 position) const { return force(position); }
};

struct UniformForce {
    static constexpr bool kReadsPosition = false;
    Vec2 force;
    Vec2 operator()(Vec2) const { return force; }
};

// The x and y of a vector in one register, worked on together: each lane is rounded exactly as
// the same operation on one double, so the sums are those of x and y summed apart, at half the
// instructions. (A vector extension of GCC and Clang.)
typedef double Lanes __attribute__((vector_size(16)));

Lanes ToLanes(Vec2 v) {
    return Lanes{v.x, v.y};
}

Vec2 ToVec2(Lanes lanes) {
    return {lanes[0], lanes[1]};
}

Lanes Splat(double value) {
    return Lanes{value, value};
}

Lanes ToLanes(const Pair& pair) {
    return Lanes{pair[0], pair[1]};
}

// F_i += N_i b t |det J| w at one integration point, into `sums` by present node. The position
// of the point is summed only where it is used (`kPosition`); leaving it out changes nothing
// else. kCount is the number of nodes when the caller knows it at compile time (the loops are
// then unrolled and the sums stay in registers), 0 when it is read from `nodes`; either way
// every operation and its order are the same.
template <bool kPosition, int kCount, typename ForceAt>
void AddPointForces(const PresentPoint& point, const ElementNodes& nodes,
                    const Thickness& thickness, const ForceAt& force, std::array<Lanes, 8>& sums) {
    const int count = kCount > 0 ? kCount : nodes.count;
    Lanes position = ToLanes(nodes.origin), along_xi = Splat(0.0), along_eta = Splat(0.0);
#pragma GCC unroll 8
    for (int n = 0; n < count; ++n) {
        const Lanes offset = ToLanes(nodes.offset[n]);
        if (kPosition) position += offset * ToLanes(point.value[n]);
        along_xi += offset * ToLanes(point.dxi[n]);
        along_eta += offset * ToLanes(point.deta[n]);
    }
    const double jacobian = std::fabs(along_xi[0] * along_eta[1] - along_xi[1] * along_eta[0]);
    const Lanes factor = Splat(point.weight * jacobian * thickness.At(ToVec2(position)));
    const Lanes load = ToLanes(force(ToVec2(position)));
#pragma GCC unroll 8
    for (int n = 0; n < count; ++n) sums[n] += load * (ToLanes(point.value[n]) * factor);
}

// The forces by present node (in the order of `nodes`).
template <bool kPosition, int kCount, size_t Points, typename ForceAt>
std::array<Vec2, 8> SumElementForces(const PresentRule<Points>& rule, const ElementNodes& nodes,
                                     const Thickness& thickness, const ForceAt& force) {
    std::array<Lanes, 8> sums{};
    for (const PresentPoint& point : rule) {
        AddPointForces<kPosition, kCount>(point, nodes, thickness, force, sums);
    }
    std::array<Vec2, 8> forces{};
    for (int n = 0; n < nodes.count; ++n) forces[n] = ToVec2(sums[n]);
    return forces;
}

// The element's forces with its number of nodes fixed at compile time for the full shapes
// (three, four, six and eight nodes), read at run time for the others.
template <bool kPosition, size_t Points, typename ForceAt>
std::array<Vec2, 8> AddElementForces(const PresentRule<Points>& rule, const ElementNodes& nodes,
                                     const Thickness& thickness, const ForceAt& force) {
    switch (nodes.count) {
        case 8:
            return SumElementForces<kPosition, 8>(rule, nodes, thickness, force);
        case 6:
            return SumElementForces<kPosition, 6>(rule, nodes, thickness, force);
        case 4:
            return SumElementForces<kPosition, 4>(rule, nodes, thickness, force);
        case 3:
            return SumElementForces<kPosition, 3>(rule, nodes, thickness, force);
        default:
            return SumElementForces<kPosition, 0>(rule, nodes, thickness, force);
    }
}

// The forces by present node; the position of each point is worked out only when the force or
// the thickness needs it.
template <size_t Points, typename ForceAt>
std::array<Vec2, 8> PresentNodeForces(const PresentRule<Points>& rule, const ElementNodes& nodes,
                                      const Thickness& thickness, const ForceAt& force) {
    if (ForceAt::kReadsPosition || thickness.IsAxisymmetric()) {
        return AddElementForces<true>(rule, nodes, thickness, force);
    }
    return AddElementForces<false>(rule, nodes, thickness, force);
}

template <size_t Points, typename ForceAt>
std::array<Vec2, 8> IntegrateElement(const std::array<PresentRule<Points>, kMidsideSets>& rules,
                                     const Element& element, const Thickness& thickness,
                                     const ForceAt& force) {
    MidsideSet midsides = 0;
    for (int k = 0; k < element.corner_count; ++k) {
        if (element.has_midside[k]) midsides |= 1u << k;
    }
    const ElementNodes nodes = PresentNodes(element);
    const std::array<Vec2, 8> present = PresentNodeForces(rules[midsides], nodes, thickness, force);
    std::array<Vec2, 8> forces{};
    for (int n = 0; n < nodes.count; ++n) forces[nodes.index[n]] = present[n];
    return forces;
}

template <typename ForceAt>
std::array<Vec2, 8> IntegrateAnyElement(const Element& element, const Thickness& thickness,
                                        const ForceAt& force) {
    if (element.corner_count == 4) {
        return IntegrateElement(kQuadPresentRules, element, thickness, force);
    }
    if (element.corner_count == 3) {
        return IntegrateElement(kTrianglePresentRules, element, thickness, force);
    }
    return {};
}

}  // namespace

double Thickness::At(Vec2 point) const {
    return axisymmetric_ ? 2.0 * kPi * point.x : t_;
}

std::array<Vec2, 3> FaceForces(const Face& face, const Thickness& thickness,
                               const FaceTraction& traction) {
    return IntegrateFace(face, thickness, traction);
}

std::array<Vec2, 3> PressureForces(const Face& face, const Thickness& thickness,
                                   const std::array<double, 3>& pressure) {
    return IntegrateFace(face, thickness, [&face, &pressure](const FacePoint& point) {
        double p = 0.0;
        for (int i = 0; i < face.node_count; ++i) p += point.shape[i] * pressure[i];
        return Scaled(point.outward_normal, -p);
    });
}

std::array<Vec2, 8> BodyForces(const Element& element, const Thickness& thickness,
                               const BodyForce& force) {
    return IntegrateAnyElement(element, thickness, ForceFunction{force});
}

std::array<Vec2, 8> UniformBodyForces(const Element& element, const Thickness& thickness,
                                      Vec2 force) {
    return IntegrateAnyElement(element, thickness, UniformForce{force});
}

std::array<Vec2, 8> UniformBodyForcesByNode(const std::array<Vec2, 8>& positions, int node_count,
                                            const Thickness& thickness, Vec2 force) {
    const bool quadrilateral = node_count == 4 || node_count == 8;
    if (!quadrilateral && node_count != 3 && node_count != 6) return {};
    // Every midside present or none: the rule of the full element or of the linear one.
    const int corners = quadrilateral ? 4 : 3;
    const MidsideSet midsides = node_count > corners ? (1u << corners) - 1 : 0;
    ElementNodes nodes;
    nodes.origin = positions[0];
    nodes.count = node_count;
    for (int n = 0; n < node_count; ++n) nodes.offset[n] = Difference(positions[n], nodes.origin);
    const UniformForce uniform{force};
    if (quadrilateral) {
        return PresentNodeForces(kQuadPresentRules[midsides], nodes, thickness, uniform);
    }
    return PresentNodeForces(kTrianglePresentRules[midsides], nodes, thickness, uniform);
}

double TwiceSignedArea(const Vec2* corners, int count) {
    double sum = 0.0;
    for (int i = 0; i < count; ++i) {
        const Vec2& a = corners[i];
        const Vec2& b = corners[(i + 1) % count];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

}  // namespace zenta
