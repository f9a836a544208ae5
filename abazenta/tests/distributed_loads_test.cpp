// What *DSLOAD and *DLOAD data lines say, and which CENTRIF axes suit which elements.
#include "distributed_loads.h"

#include <gtest/gtest.h>

#include <cmath>

namespace abazenta {
namespace {

constexpr LoadKind kP = LoadKind::kPressure, kShear = LoadKind::kShear,
                   kTraction = LoadKind::kTraction, kBody = LoadKind::kBody,
                   kGrav = LoadKind::kGravity, kCentrif = LoadKind::kCentrifugal;

struct Expected {
    const char* line;
    bool understood;
    const char* target;
    LoadKind kind;
    int key;
    int face;
    double magnitude, dx, dy;
};

void expect_line(const DistributedLine& got, const Expected& c) {
    EXPECT_EQ(got.understood, c.understood) << c.line;
    EXPECT_EQ(got.target, c.target) << c.line;
    if (!c.understood) return;
    EXPECT_EQ(got.kind, c.kind) << c.line;
    EXPECT_EQ(got.key, c.key) << c.line;
    EXPECT_EQ(got.face, c.face) << c.line;
    EXPECT_EQ(got.magnitude, c.magnitude) << c.line;
    EXPECT_EQ(got.dx, c.dx) << c.line;
    EXPECT_EQ(got.dy, c.dy) << c.line;
}

TEST(ParseDsload, ReadsPressureShearAndTractionLabels) {
    const Expected cases[] = {
        {"Surf-1, P, 1.\n", true, "Surf-1", kP, 0, 0, 1.0, 0.0, 0.0},
        {"Surf-1, p, -2.5D1\n", true, "Surf-1", kP, 0, 0, -25.0, 0.0, 0.0},
        {"S, TRSHR, 3., 3., 4., 7.\n", true, "S", kShear, 1, 0, 3.0, 0.6, 0.8},  // dz ignored
        {"S, TRVEC, 2., 0., -5., 0.\n", true, "S", kTraction, 2, 0, 2.0, 0.0, -1.0},
        {"S, TRVEC, 2., 0., 0., 1.\n", true, "S", kTraction, 2, 0, 2.0, 0.0, 0.0},  // no length
        {"S, TRSHR, 2.\n", true, "S", kShear, 1, 0, 2.0, 0.0, 0.0},
        {"S, PNU, 1.\n", false, "S", kP, 0, 0, 0, 0, 0},
        {"S, HP, 1., 2.\n", false, "S", kP, 0, 0, 0, 0, 0},
        {"S, P1, 1.\n", false, "S", kP, 0, 0, 0, 0, 0},  // a *DLOAD label
        {"S\n", false, "S", kP, 0, 0, 0, 0, 0},
    };
    for (const Expected& c : cases) expect_line(parse_dsload(Fields(c.line)), c);
}

TEST(ParseDload, ReadsFacePressuresAndBodyLoads) {
    const Expected cases[] = {
        {"1, P1, 10.\n", true, "1", kP, 0, 1, 10.0, 0.0, 0.0},
        {"Set-1, p4, 2.\n", true, "Set-1", kP, 0, 4, 2.0, 0.0, 0.0},
        {"E, BX, 3.\n", true, "E", kBody, 3, 0, 3.0, 1.0, 0.0},
        {"E, BR, 3.\n", true, "E", kBody, 4, 0, 3.0, 1.0, 0.0},
        {"E, BY, -3.\n", true, "E", kBody, 5, 0, -3.0, 0.0, 1.0},
        {"E, bz, 3.\n", true, "E", kBody, 6, 0, 3.0, 0.0, 1.0},
        {", GRAV, 9.81, 0., -1., 0.\n", true, "", kGrav, 7, 0, 9.81, 0.0, -1.0},
        {"E, GRAV, 2., 3., -4., 12.\n", true, "E", kGrav, 7, 0, 2.0, 0.6, -0.8},
        {"E, CENTRIF, 100., 1., 2., 3., 0., 0., 1.\n", true, "E", kCentrif, 8, 0, 100.0, 0, 0},
        {"E, P, 1.\n", false, "E", kP, 0, 0, 0, 0, 0},  // shell pressure
        {"E, P5, 1.\n", false, "E", kP, 0, 0, 0, 0, 0},
        {"E, P1NU, 1.\n", false, "E", kP, 0, 0, 0, 0, 0},
        {"E, ROTA, 1.\n", false, "E", kP, 0, 0, 0, 0, 0},
        {"E, U1, 1.\n", false, "E", kP, 0, 0, 0, 0, 0},
    };
    for (const Expected& c : cases) expect_line(parse_dload(Fields(c.line)), c);
    const DistributedLine centrif = parse_dload(Fields("E, CENTRIF, 100., 1., 2., 3., 4., 5., 6."));
    EXPECT_EQ(centrif.x0, 1.0);
    EXPECT_EQ(centrif.y0, 2.0);
    EXPECT_EQ(centrif.z0, 3.0);
    EXPECT_EQ(centrif.ax, 4.0);
    EXPECT_EQ(centrif.ay, 5.0);
    EXPECT_EQ(centrif.az, 6.0);
}

TEST(CentrifugalAxis, SymmetryAxisForAxisymmetricElementsAndZAxisForOthers) {
    const struct {
        const char* line;  // point, then direction
        bool axisymmetric;
        bool plane;
    } cases[] = {
        {"0, 0, 0, 0, 1, 0", true, false},
        {"0, 5, 0, 0, -2, 0", true, false},  // any point of the y axis, either sign
        {"1, 0, 0, 0, 1, 0", false, false},  // another axis parallel to y
        {"0, 0, 1, 0, 1, 0", false, false},
        {"0, 0, 0, 0, 1, 1e-12", true, false},  // rounding in the direction is no matter
        {"3, 4, 7, 0, 0, 1", false, true},      // any point, z0 ignored
        {"3, 4, 0, 0, 0, -1", false, true},
        {"0, 0, 0, 1, 0, 0", false, false},
        {"0, 0, 0, 0, 1, 1", false, false},
        {"0, 0, 0, 0, 0, 0", false, false},  // no direction
    };
    for (const auto& c : cases) {
        const DistributedLine line = parse_dload(Fields(std::string("E, CENTRIF, 1., ") + c.line));
        EXPECT_EQ(centrifugal_axis_fits(line, true), c.axisymmetric) << c.line;
        EXPECT_EQ(centrifugal_axis_fits(line, false), c.plane) << c.line;
    }
}

}  // namespace
}  // namespace abazenta
