// Distributed loads through the whole translation: the forces that -full writes add up to the
// resultant of the load, on random straight-sided elements of every kind, either orientation,
// plane and axisymmetric; and which of several loads and elements are loaded.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "error.h"
#include "translator.h"

namespace abazenta {
namespace {

const double kPi = std::acos(-1.0);

struct Point {
    double x, y;
};

std::string real(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// The legacy file of a -full translation.
std::string translate_full(const std::string& deck) {
    DeckSource source;
    source.text = deck;
    TranslationOptions options;
    options.full = true;
    options.quiet = true;
    std::ostringstream legacy, diagnostics;
    translate(source, options, legacy, diagnostics);
    return legacy.str();
}

// The sum of the ALOADS records.
Point total_force(const std::string& legacy) {
    Point total{0.0, 0.0};
    const std::size_t loads = legacy.find("ALOADS\n");
    if (loads == std::string::npos) return total;
    std::istringstream in(legacy.substr(loads + 7));
    int count = 0, node = 0, load_case = 0;
    in >> count;
    for (int i = 0; i < count; ++i) {
        std::string fx, fy;
        in >> node >> load_case >> fx >> fy;
        total.x += std::stod(fx);
        total.y += std::stod(fy);
    }
    return total;
}

// A random straight-sided element: corners around a circle (a convex polygon), in either
// order, midsides at the middle of the sides.
struct RandomElement {
    int node_count = 0;
    std::vector<Point> nodes;  // ABAQUS order
    bool counter_clockwise = true;

    int corners() const { return node_count == 3 || node_count == 6 ? 3 : 4; }
    double signed_area() const {
        double twice = 0.0;
        for (int k = 0; k < corners(); ++k) {
            const Point a = nodes[static_cast<std::size_t>(k)];
            const Point b = nodes[static_cast<std::size_t>((k + 1) % corners())];
            twice += a.x * b.y - b.x * a.y;
        }
        return twice / 2.0;
    }
    // Centroid x of the corner polygon.
    double centroid_x() const {
        double sum = 0.0;
        for (int k = 0; k < corners(); ++k) {
            const Point a = nodes[static_cast<std::size_t>(k)];
            const Point b = nodes[static_cast<std::size_t>((k + 1) % corners())];
            sum += (a.x + b.x) * (a.x * b.y - b.x * a.y);
        }
        return sum / (6.0 * signed_area());
    }
};

RandomElement random_element(std::mt19937& random, int node_count, bool axisymmetric) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    RandomElement element;
    element.node_count = node_count;
    element.counter_clockwise = unit(random) < 0.5;
    const double scale = 0.5 + 4.0 * unit(random);
    const Point centre{
        (axisymmetric ? 2.0 * scale : 0.0) + 10.0 * unit(random) - 5.0 * !axisymmetric,
        20.0 * unit(random) - 10.0};
    const int corners = node_count == 3 || node_count == 6 ? 3 : 4;
    const double start = 2.0 * kPi * unit(random);
    for (int k = 0; k < corners; ++k) {
        // Corners spread round the circle, each within its own sector: a convex polygon.
        const double angle = start + (k + 0.15 + 0.7 * unit(random)) * 2.0 * kPi / corners;
        const double sign = element.counter_clockwise ? 1.0 : -1.0;
        element.nodes.push_back(
            {centre.x + scale * std::cos(sign * angle), centre.y + scale * std::sin(sign * angle)});
    }
    if (node_count == 6 || node_count == 8) {
        for (int k = 0; k < corners; ++k) {
            const Point a = element.nodes[static_cast<std::size_t>(k)];
            const Point b = element.nodes[static_cast<std::size_t>((k + 1) % corners)];
            element.nodes.push_back({(a.x + b.x) / 2.0, (a.y + b.y) / 2.0});
        }
    }
    return element;
}

std::string element_type(int node_count, bool axisymmetric) {
    const char* prefix = axisymmetric ? "CAX" : "CPS";
    return prefix + std::to_string(node_count);
}

// A deck of the element, its section (thickness `thickness`, density `density`) and `loads`,
// one step.
std::string deck_of(const RandomElement& element, bool axisymmetric, double thickness,
                    double density, const std::string& loads) {
    std::string deck = "** random element\n*Node\n";
    for (std::size_t k = 0; k < element.nodes.size(); ++k)
        deck += std::to_string(k + 1) + ", " + real(element.nodes[k].x) + ", " +
                real(element.nodes[k].y) + "\n";
    deck += "*Element, type=" + element_type(element.node_count, axisymmetric) + ", elset=E\n1";
    for (std::size_t k = 0; k < element.nodes.size(); ++k) deck += ", " + std::to_string(k + 1);
    deck += "\n*Solid Section, elset=E, material=M\n" + real(thickness) +
            ",\n*Material, name=M\n*Density\n" + real(density) + "\n*Elastic\n1000., 0.3\n";
    for (int label = 1; label <= 4; ++label)
        deck +=
            "*Surface, name=S" + std::to_string(label) + "\n1, S" + std::to_string(label) + "\n";
    return deck + "*Step\n*Static\n" + loads + "*End Step\n";
}

// The resultant that a load's nodal forces must have.
struct Load {
    std::string lines;
    Point resultant;
};

Load random_face_load(std::mt19937& random, const RandomElement& element, bool axisymmetric,
                      double thickness) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int corners = element.corners();
    const int label = 1 + static_cast<int>(unit(random) * corners) % corners;
    const Point a = element.nodes[static_cast<std::size_t>(label - 1)];
    const Point b = element.nodes[static_cast<std::size_t>(label % corners)];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const Point tangent{(b.x - a.x) / length, (b.y - a.y) / length};
    // Outside lies to the right of the face's order for a counter-clockwise element.
    const double side = element.signed_area() > 0.0 ? 1.0 : -1.0;
    const Point outward{side * tangent.y, -side * tangent.x};
    // Thickness times length: on a ring, 2 pi times the integral of r along the face.
    const double measure =
        axisymmetric ? 2.0 * kPi * length * (a.x + b.x) / 2.0 : thickness * length;
    const double magnitude = 10.0 * unit(random) - 5.0;
    const std::string face = "S" + std::to_string(label);
    const int kind = static_cast<int>(unit(random) * 3.0);
    if (kind == 0)
        return {"*Dsload\n" + face + ", P, " + real(magnitude) + "\n",
                {-magnitude * outward.x * measure, -magnitude * outward.y * measure}};
    if (kind == 1)
        return {"*Dload\n1, P" + std::to_string(label) + ", " + real(magnitude) + "\n",
                {-magnitude * outward.x * measure, -magnitude * outward.y * measure}};
    const double angle = 2.0 * kPi * unit(random);
    const Point direction{std::cos(angle), std::sin(angle)};
    const bool shear = unit(random) < 0.5;
    const std::string line = face + (shear ? ", TRSHR, " : ", TRVEC, ") + real(magnitude) + ", " +
                             real(3.0 * direction.x) + ", " + real(3.0 * direction.y) + ", 7.\n";
    if (!shear)
        return {"*Dsload\n" + line,
                {magnitude * direction.x * measure, magnitude * direction.y * measure}};
    const double along = direction.x * tangent.x + direction.y * tangent.y > 0.0 ? 1.0 : -1.0;
    return {"*Dsload\n" + line,
            {along * magnitude * tangent.x * measure, along * magnitude * tangent.y * measure}};
}

Load random_body_load(std::mt19937& random, const RandomElement& element, bool axisymmetric,
                      double thickness, double density) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double volume = axisymmetric
                              ? 2.0 * kPi * std::fabs(element.signed_area()) * element.centroid_x()
                              : thickness * std::fabs(element.signed_area());
    const double magnitude = 10.0 * unit(random) - 5.0;
    const int kind = static_cast<int>(unit(random) * 3.0);
    if (kind == 0) return {"*Dload\nE, BX, " + real(magnitude) + "\n", {magnitude * volume, 0.0}};
    if (kind == 1) return {"*Dload\nE, BY, " + real(magnitude) + "\n", {0.0, magnitude * volume}};
    const double angle = 2.0 * kPi * unit(random);
    const Point direction{std::cos(angle), std::sin(angle)};
    const double weight = density * magnitude * volume;
    return {"*Dload\n, GRAV, " + real(magnitude) + ", " + real(2.0 * direction.x) + ", " +
                real(2.0 * direction.y) + ", 0.\n",
            {weight * direction.x, weight * direction.y}};
}

TEST(NodalLoads, ForcesAddUpToTheResultantOnRandomStraightSidedElements) {
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int node_counts[] = {3, 4, 6, 8};
    for (int trial = 0; trial < 400; ++trial) {
        const int node_count = node_counts[trial % 4];
        const bool axisymmetric = (trial / 4) % 3 == 2;
        const RandomElement element = random_element(random, node_count, axisymmetric);
        const double thickness = 0.1 + 2.0 * unit(random);
        const double density = 0.5 + 8.0 * unit(random);
        const Load load = trial % 2 == 0
                              ? random_face_load(random, element, axisymmetric, thickness)
                              : random_body_load(random, element, axisymmetric, thickness, density);
        const std::string deck = deck_of(element, axisymmetric, thickness, density, load.lines);
        const Point total = total_force(translate_full(deck));
        const double size = std::hypot(load.resultant.x, load.resultant.y);
        EXPECT_NEAR(total.x, load.resultant.x, 1e-9 * size) << deck;
        EXPECT_NEAR(total.y, load.resultant.y, 1e-9 * size) << deck;
    }
}

}  // namespace
}  // namespace abazenta
