// Consistent nodal forces: hand-worked cases, the resultant and moment of random loaded
// elements, and the exactness of the Gauss rules.
#include "nodal_forces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

using zenta::Element;
using zenta::Face;
using zenta::FacePoint;
using zenta::Thickness;
using zenta::Vec2;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTolerance = 1e-12;  // relative to the magnitude of the forces

double Cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
double Length(Vec2 v) {
    return std::hypot(v.x, v.y);
}

void ExpectNear(Vec2 actual, Vec2 expected, double scale) {
    EXPECT_NEAR(actual.x, expected.x, kTolerance * scale);
    EXPECT_NEAR(actual.y, expected.y, kTolerance * scale);
}

template <size_t N>
void ExpectForces(const std::array<Vec2, N>& actual, const std::array<Vec2, N>& expected) {
    double scale = 1.0;
    for (const Vec2& f : expected) scale = std::max(scale, Length(f));
    for (size_t i = 0; i < N; ++i) {
        SCOPED_TRACE(i);
        ExpectNear(actual[i], expected[i], scale);
    }
}

// Zeros that no arithmetic made: compared exactly.
template <size_t N>
void ExpectZero(const std::array<Vec2, N>& forces) {
    for (const Vec2& f : forces) {
        EXPECT_EQ(f.x, 0.0);
        EXPECT_EQ(f.y, 0.0);
    }
}

struct FaceCase {
    const char* name;
    Face face;
    Thickness thickness;
    std::array<double, 3> pressure;
    std::array<Vec2, 3> expected;
};

TEST(NodalForces, PressureOnFacesWorkedByHand) {
    const Thickness t = Thickness::Constant(2.5);
    const Face flat{2, {{{0, 0}, {4, 0}}}, true};
    const Face flat_3_nodes{3, {{{0, 0}, {2, 0}, {4, 0}}}, true};
    const Face slanted{2, {{{1, 2}, {4, 6}}}, true};  // length 5, normal (0.8, -0.6) to the right
    const Face slanted_left{2, slanted.nodes, false};
    const Face ring_top{2, {{{2, 1}, {5, 1}}}, false};  // r = 2 to 5, outward +y
    const Thickness ring = Thickness::Axisymmetric();
    // p = 6 on a face of length 4: p L t = 60 along +y. Off the axes each node gets q L t / 2
    // with q = -6 n. Tapered: (2 p1 + p2) L t / 6 and (p1 + 2 p2) L t / 6. The ring with p = 4,
    // L = 3: 2 pi p L (2 r1 + r2) / 6 and 2 pi p L (r1 + 2 r2) / 6.
    const FaceCase cases[] = {
        {"uniform, 2 nodes: pLt/2", flat, t, {6, 6}, {{{0, 30}, {0, 30}}}},
        {"uniform, 3 nodes", flat_3_nodes, t, {6, 6, 6}, {{{0, 10}, {0, 40}, {0, 10}}}},
        {"off the axes", slanted, t, {6, 6}, {{{-30, 22.5}, {-30, 22.5}}}},
        {"outward to the left", slanted_left, t, {6, 6}, {{{30, -22.5}, {30, -22.5}}}},
        {"tapered", flat, t, {3, 9}, {{{0, 25}, {0, 35}}}},
        {"axisymmetric", ring_top, ring, {4, 4}, {{{0, -36 * kPi}, {0, -48 * kPi}}}},
    };
    for (const FaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectForces(zenta::PressureForces(c.face, c.thickness, c.pressure), c.expected);
    }
}

// A shear traction s along the tangent of a 3-node face of length 5 off the axes: s L t (1/6,
// 2/3, 1/6) along (0.6, 0.8), whichever side is out.
TEST(NodalForces, ShearFollowsTheFaceTangent) {
    for (const bool outward_right : {true, false}) {
        const Face face{3, {{{1, 2}, {2.5, 4}, {4, 6}}}, outward_right};
        const auto shear = [](const FacePoint& point) {
            return Vec2{3 * point.tangent.x, 3 * point.tangent.y};
        };
        ExpectForces(zenta::FaceForces(face, Thickness::Constant(2), shear),
                     {{{3, 4}, {12, 16}, {3, 4}}});
    }
}

// Faces of no length, and node counts that name no face or element: no force, and no call of
// the load.
TEST(NodalForces, DegenerateInputGivesNoForce) {
    int calls = 0;
    const zenta::FaceTraction count_calls = [&calls](const FacePoint&) {
        ++calls;
        return Vec2{1, 1};
    };
    const Face faces[] = {
        {2, {{{3, 4}, {3, 4}}}, true},
        {3, {{{3, 4}, {3, 4}, {3, 4}}}, false},
        {4, {{{0, 0}, {1, 0}, {2, 0}}}, true},  // no face has 4 nodes
    };
    for (const Face& face : faces) {
        ExpectZero(zenta::FaceForces(face, Thickness::Constant(1), count_calls));
    }
    const Element pentagon{5, {}, {}, {}};
    ExpectZero(zenta::BodyForces(pentagon, Thickness::Constant(1), [&calls](Vec2) {
        ++calls;
        return Vec2{1, 1};
    }));
    ExpectZero(zenta::UniformBodyForces(pentagon, Thickness::Constant(1), Vec2{1, 1}));
    const std::array<Vec2, 8> nodes{{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {2, 2}, {3, 3}, {4, 4}}};
    for (int count : {0, 2, 5, 7, 9}) {
        ExpectZero(zenta::UniformBodyForcesByNode(nodes, count, Thickness::Constant(1), {1, 1}));
    }
    EXPECT_EQ(calls, 0);
}

struct BodyCase {
    const char* name;
    Element element;
    Vec2 load;
    std::array<Vec2, 8> expected;
};

TEST(NodalForces, ConstantBodyForceWorkedByHand) {
    // A 3 x 2 rectangle of thickness 0.5 under (0, -6): weight W = 18.
    const std::array<Vec2, 4> rectangle = {{{1, 1}, {4, 1}, {4, 3}, {1, 3}}};
    const std::array<Vec2, 4> rectangle_middles = {{{2.5, 1}, {4, 2}, {2.5, 3}, {1, 2}}};
    const Vec2 w4{0, -4.5}, w3{0, -6}, w6{0, -1.5}, w12{0, 1.5};  // W/4, W/3, W/6, -W/12
    // A triangle of area 6 under (2, -6): resultant (6, -18), one third of it b3.
    const std::array<Vec2, 4> triangle = {{{0, 0}, {4, 0}, {1, 3}}};
    const std::array<Vec2, 4> triangle_middles = {{{2, 0}, {2.5, 1.5}, {0.5, 1.5}}};
    const Vec2 down{0, -6}, slant{2, -6}, b3 = slant;
    const BodyCase cases[] = {
        {"4 nodes: W/4", {4, rectangle, {}, {}}, down, {{w4, w4, w4, w4}}},
        {"8 nodes",
         {4, rectangle, {true, true, true, true}, rectangle_middles},
         down,
         {{w12, w12, w12, w12, w3, w3, w3, w3}}},
        // The midside gets W/3, its two corners W/4 - W/6, the others W/4.
        {"5 nodes",
         {4, rectangle, {false, true, false, false}, rectangle_middles},
         down,
         {{w4, w6, w6, w4, {}, w3}}},
        {"3 nodes: W/3", {3, triangle, {}, {}}, slant, {{b3, b3, b3}}},
        {"6 nodes: corners 0",
         {3, triangle, {true, true, true}, triangle_middles},
         slant,
         {{{}, {}, {}, {}, b3, b3, b3}}},
    };
    for (const BodyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Vec2 load = c.load;
        ExpectForces(
            zenta::BodyForces(c.element, Thickness::Constant(0.5), [load](Vec2) { return load; }),
            c.expected);
    }
}

// b = k (x - x0, y - y0) on the square [0, a]^2: the integral of N_i x over the square is
// a^2 (a + x_i) / 12 and that of N_i is a^2 / 4.
TEST(NodalForces, CentrifugalForceOnASquare) {
    const double a = 2, k = 3, x0 = 0.5, y0 = -1, t = 1.5;
    const Element square{4, {{{0, 0}, {a, 0}, {a, a}, {0, a}}}, {}, {}};
    const auto forces = zenta::BodyForces(square, Thickness::Constant(t), [&](Vec2 p) {
        return Vec2{k * (p.x - x0), k * (p.y - y0)};
    });
    std::array<Vec2, 8> expected{};
    for (int i = 0; i < 4; ++i) {
        const Vec2 c = square.corners[i];
        expected[i] = {k * t * (a * a * (a + c.x) / 12 - x0 * a * a / 4),
                       k * t * (a * a * (a + c.y) / 12 - y0 * a * a / 4)};
    }
    ExpectForces(forces, expected);
}

TEST(NodalForces, ThicknessAndSignedArea) {
    EXPECT_DOUBLE_EQ(Thickness::Constant(0.25).At({7, 8}), 0.25);
    EXPECT_FALSE(Thickness::Constant(0.25).IsAxisymmetric());
    EXPECT_DOUBLE_EQ(Thickness::Axisymmetric().At({3, 8}), 6 * kPi);
    EXPECT_TRUE(Thickness::Axisymmetric().IsAxisymmetric());
    const Vec2 counter_clockwise[] = {{1, 1}, {4, 1}, {4, 3}, {1, 3}};
    const Vec2 clockwise[] = {{1, 1}, {1, 3}, {4, 3}, {4, 1}};
    EXPECT_DOUBLE_EQ(zenta::TwiceSignedArea(counter_clockwise, 4), 12);
    EXPECT_DOUBLE_EQ(zenta::TwiceSignedArea(clockwise, 4), -12);
    EXPECT_DOUBLE_EQ(zenta::TwiceSignedArea(counter_clockwise, 3), 6);
}

// ---- Random faces and elements ------------------------------------------------------------------

class RandomShapes {
  public:
    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    bool Coin() { return Uniform(0, 1) < 0.5; }

    // A convex counter-clockwise polygon right of the axis x = 0: points on a circle, sheared
    // and stretched.
    std::array<Vec2, 4> ConvexCorners(int count) {
        const double shear = Uniform(-1, 1), stretch = Uniform(0.3, 3), radius = Uniform(0.1, 5);
        const Vec2 centre{Uniform(11, 20), Uniform(-10, 10)};
        std::array<Vec2, 4> corners{};
        for (int k = 0; k < count; ++k) {
            const double angle = 2 * kPi * (k + Uniform(-0.3, 0.3)) / count;
            const double x = radius * std::cos(angle), y = radius * std::sin(angle);
            corners[k] = {centre.x + x + shear * y, centre.y + stretch * y};
        }
        return corners;
    }

  private:
    std::mt19937_64 random_{20240611};
};

Vec2 Middle(Vec2 a, Vec2 b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// The same element with its nodes in the opposite order, and where each node went.
Element Reversed(const Element& e, std::array<int, 8>& source) {
    const int n = e.corner_count;
    source = {0, 1, 2, 3, 4, 5, 6, 7};  // entries 3 and 7 of a triangle stay where they are
    Element reversed = e;
    for (int k = 0; k < n; ++k) {
        source[k] = (n - k) % n;
        source[4 + k] = 4 + n - 1 - k;
        reversed.corners[k] = e.corners[source[k]];
        reversed.midsides[k] = e.midsides[source[4 + k] - 4];
        reversed.has_midside[k] = e.has_midside[source[4 + k] - 4];
    }
    return reversed;
}

// A uniform or linear pressure on random straight faces: the resultant and the moment about
// the origin equal the integrals of q and x x q.
TEST(NodalForces, RandomFacesKeepResultantAndMoment) {
    RandomShapes random;
    for (int n = 0; n < 3000; ++n) {
        const bool axisymmetric = n % 3 == 0;
        const double t = random.Uniform(0.1, 3);
        const Thickness thickness =
            axisymmetric ? Thickness::Axisymmetric() : Thickness::Constant(t);
        const Vec2 a{random.Uniform(0.5, 10), random.Uniform(-10, 10)};
        const Vec2 b{random.Uniform(0.5, 10), random.Uniform(-10, 10)};
        const double p1 = random.Uniform(-5, 5), p2 = n % 2 ? p1 : random.Uniform(-5, 5);
        Face face{2, {{a, b}}, random.Coin()};
        std::array<double, 3> pressure = {p1, p2};
        if (random.Coin()) {
            face = {3, {{a, Middle(a, b), b}}, face.outward_right};
            pressure = {p1, (p1 + p2) / 2, p2};
        }
        const double length = Length({b.x - a.x, b.y - a.y});
        const Vec2 right{(b.y - a.y) / length, (a.x - b.x) / length};
        const Vec2 normal = face.outward_right ? right : Vec2{-right.x, -right.y};
        // The integral of p x over the face, exact for p and x linear along it.
        const Vec2 px{length * ((2 * p1 + p2) * a.x + (p1 + 2 * p2) * b.x) / 6,
                      length * ((2 * p1 + p2) * a.y + (p1 + 2 * p2) * b.y) / 6};
        const double total = axisymmetric ? 2 * kPi * px.x : t * length * (p1 + p2) / 2;
        const double largest_t = axisymmetric ? 2 * kPi * 10 : t;
        const double scale = std::max(1.0, (std::fabs(p1) + std::fabs(p2)) * length * largest_t);

        const auto forces = zenta::PressureForces(face, thickness, pressure);
        Vec2 sum;
        double moment = 0;
        for (int i = 0; i < face.node_count; ++i) {
            sum = {sum.x + forces[i].x, sum.y + forces[i].y};
            moment += Cross(face.nodes[i], forces[i]);
        }
        ExpectNear(sum, {-total * normal.x, -total * normal.y}, scale);
        if (!axisymmetric) {
            EXPECT_NEAR(moment, -t * Cross(px, normal), 20 * kTolerance * scale);
        }
        if (HasFailure()) FAIL() << "case " << n;
    }
}

// Twice the area of the element when the midside nodes bulge its sides into parabolas: the
// polygon of the corners and, per midside node off the middle of its side by d, the parabolic
// segment of area (2/3) d x (b - a).
double TwiceArea(const Element& e) {
    double twice_area = zenta::TwiceSignedArea(e.corners.data(), e.corner_count);
    for (int k = 0; k < e.corner_count; ++k) {
        if (!e.has_midside[k]) continue;
        const Vec2 a = e.corners[k], b = e.corners[(k + 1) % e.corner_count];
        const Vec2 middle = Middle(a, b);
        const Vec2 bulge{e.midsides[k].x - middle.x, e.midsides[k].y - middle.y};
        twice_area += 4.0 / 3 * Cross(bulge, {b.x - a.x, b.y - a.y});
    }
    return twice_area;
}

// A constant body force on random elements of every family, counter-clockwise: the resultant
// is the load times the element's volume, and on straight-sided elements the moment is that
// of the load at the centroid. The same element given clockwise gets the same forces, and
// UniformBodyForces the very same.
TEST(NodalForces, RandomElementsKeepResultantMomentAndOrientation) {
    RandomShapes random;
    for (int n = 0; n < 4500; ++n) {
        const bool axisymmetric = n % 3 == 1, curved = n % 3 == 2;
        const double t = random.Uniform(0.1, 3);
        const Thickness thickness =
            axisymmetric ? Thickness::Axisymmetric() : Thickness::Constant(t);
        Element e{n / 3 % 2 ? 3 : 4, {}, {}, {}};
        e.corners = random.ConvexCorners(e.corner_count);
        // Midside nodes off the middle by a tenth of the least height of a corner's sides over
        // each other at most, so that the map stays one to one.
        const int count = e.corner_count;
        double least_height = 1e300;
        for (int k = 0; k < count; ++k) {
            const Vec2 a = e.corners[(k + count - 1) % count], c = e.corners[k];
            const Vec2 b = e.corners[(k + 1) % count];
            const Vec2 in{c.x - a.x, c.y - a.y}, out{b.x - c.x, b.y - c.y};
            least_height = std::min(least_height,
                                    std::fabs(Cross(in, out)) / std::max(Length(in), Length(out)));
        }
        const double bulge = curved ? 0.1 * least_height : 0.0;
        for (int k = 0; k < e.corner_count; ++k) {
            const Vec2 a = e.corners[k], b = e.corners[(k + 1) % e.corner_count];
            e.has_midside[k] = random.Coin();
            e.midsides[k] = {(a.x + b.x) / 2 + random.Uniform(-bulge, bulge),
                             (a.y + b.y) / 2 + random.Uniform(-bulge, bulge)};
        }
        const Vec2 load{random.Uniform(-5, 5), random.Uniform(-5, 5)};
        const auto constant = [load](Vec2) { return load; };
        const auto forces = zenta::BodyForces(e, thickness, constant);

        // The element's area, and the centroid of the polygon of its corners.
        const double area = TwiceArea(e) / 2;
        Vec2 centroid;
        for (int k = 0; k < e.corner_count; ++k) {
            const Vec2 p = e.corners[k], q = e.corners[(k + 1) % e.corner_count];
            centroid.x += (p.x + q.x) * Cross(p, q) / (6 * area);
            centroid.y += (p.y + q.y) * Cross(p, q) / (6 * area);
        }
        const double volume = axisymmetric ? 2 * kPi * centroid.x * area : t * area;
        Vec2 sum;
        double moment = 0;
        for (int i = 0; i < 8; ++i) {
            sum = {sum.x + forces[i].x, sum.y + forces[i].y};
            moment += Cross(i < 4 ? e.corners[i] : e.midsides[i - 4], forces[i]);
        }
        const double scale = std::max(1.0, std::fabs(volume) * Length(load));
        ExpectNear(sum, {load.x * volume, load.y * volume}, scale);
        if (!axisymmetric && !curved) {
            EXPECT_NEAR(moment, volume * Cross(centroid, load), 40 * kTolerance * scale);
        }

        std::array<int, 8> source{};
        const Element reversed = Reversed(e, source);
        const auto reversed_forces = zenta::BodyForces(reversed, thickness, constant);
        for (int i = 0; i < 8; ++i) ExpectNear(reversed_forces[i], forces[source[i]], scale);

        // The uniform form gives the same forces to the last bit (they are written with all
        // their digits).
        const auto uniform = zenta::UniformBodyForces(e, thickness, load);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(uniform[i].x, forces[i].x) << i;
            EXPECT_EQ(uniform[i].y, forces[i].y) << i;
        }
        // So does the element given by its list of nodes, corners then midsides, with every
        // midside or none.
        const bool full = n / 6 % 2 == 0;
        const int midside_count = full ? e.corner_count : 0;
        std::array<Vec2, 8> nodes{};
        for (int k = 0; k < e.corner_count; ++k) {
            nodes[k] = e.corners[k];
            if (full) nodes[e.corner_count + k] = e.midsides[k];
        }
        Element same = e;
        same.has_midside.fill(full);
        const auto by_element = zenta::UniformBodyForces(same, thickness, load);
        const auto by_node =
            zenta::UniformBodyForcesByNode(nodes, e.corner_count + midside_count, thickness, load);
        for (int k = 0; k < e.corner_count + midside_count; ++k) {
            const int entry = k < e.corner_count ? k : 4 + k - e.corner_count;
            EXPECT_EQ(by_node[k].x, by_element[entry].x) << k;
            EXPECT_EQ(by_node[k].y, by_element[entry].y) << k;
        }
        if (HasFailure()) FAIL() << "case " << n;
    }
}

// ---- Exactness of the rules ------------------------------------------------------------------

double Factorial(int n) {
    return n <= 1 ? 1 : n * Factorial(n - 1);
}

// The forces of a node sum to the integral of the load, so loads x^a y^b on elements whose
// map is affine in each natural coordinate show which monomials each rule integrates exactly:
// x^a on a face (a <= 5), x^a y^b on a rectangle (a, b <= 5) and on a triangle (a + b <= 5).
TEST(NodalForces, GaussRulesIntegrateMonomialsExactly) {
    const Thickness unit = Thickness::Constant(1);
    const Face face{2, {{{0, 0}, {2, 0}}}, true};
    const Element rectangle{4, {{{0, 0}, {2, 0}, {2, 1.5}, {0, 1.5}}}, {}, {}};
    const Element triangle{3, {{{0, 0}, {2, 0}, {0, 3}}}, {}, {}};
    const auto total = [](const auto& forces) {
        double sum = 0;
        for (const Vec2& f : forces) sum += f.x;
        return sum;
    };
    for (int a = 0; a <= 5; ++a) {
        const auto face_forces = zenta::FaceForces(face, unit, [a](const FacePoint& p) {
            return Vec2{std::pow(p.position.x, a), 0};
        });
        const double line = std::pow(2, a + 1) / (a + 1);
        EXPECT_NEAR(total(face_forces), line, kTolerance * line) << "x^" << a;
        for (int b = 0; b <= 5; ++b) {
            SCOPED_TRACE(testing::Message() << "x^" << a << " y^" << b);
            const auto monomial = [a, b](Vec2 p) {
                return Vec2{std::pow(p.x, a) * std::pow(p.y, b), 0};
            };
            const double square = line * std::pow(1.5, b + 1) / (b + 1);
            EXPECT_NEAR(total(zenta::BodyForces(rectangle, unit, monomial)), square,
                        kTolerance * square);
            if (a + b > 5) continue;
            const double on_triangle = std::pow(2, a + 1) * std::pow(3, b + 1) * Factorial(a) *
                                       Factorial(b) / Factorial(a + b + 2);
            EXPECT_NEAR(total(zenta::BodyForces(triangle, unit, monomial)), on_triangle,
                        kTolerance * on_triangle);
        }
    }
}

}  // namespace
