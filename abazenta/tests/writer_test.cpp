// The legacy input file as the writer prints it, byte for byte.
#include "writer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

namespace abazenta {
namespace {

constexpr char kMaterialLine[] = "    1  3.00e+07  3.00e-01  1.00e+00  1.00e+00  1.00e+00\n";

struct Written {
    std::string out;
    std::string warnings;
};

Written write(const LegacyModel& model) {
    std::ostringstream out, warnings;
    write_model(model, out, warnings);
    return {out.str(), warnings.str()};
}

// Nodes 1 .. count at (n, -0.5), one fixed material line.
LegacyModel model_with_nodes(int count) {
    LegacyModel model;
    for (int n = 1; n <= count; ++n) model.nodes.push_back({static_cast<double>(n), -0.5});
    model.materials.assign(1, MaterialLine{});
    return model;
}

// An element on output nodes given 1-based, as they are written.
void add_element(LegacyModel& model, std::initializer_list<int> nodes, int material = 0) {
    LegacyElement element;
    for (int node : nodes) element.nodes[static_cast<std::size_t>(element.node_count++)] = node - 1;
    element.material = material;
    model.elements.push_back(element);
}

TEST(WriteModel, WritesEveryElementKindInLegacySlotOrder) {
    LegacyModel model = model_with_nodes(8);
    model.materials.assign(2, MaterialLine{});
    add_element(model, {1, 2, 3, 4, 5, 6, 7, 8});  // c1 c2 c3 c4 m12 m23 m34 m41
    add_element(model, {1, 2, 3, 4, 5, 6});        // c1 c2 c3 m12 m23 m31
    add_element(model, {8, 7, 6, 5}, 1);
    add_element(model, {3, 2, 1}, 1);
    const Written written = write(model);
    EXPECT_EQ(written.out, std::string("zenta input file\n"
                                       "8 4 2 1\n") +
                               kMaterialLine + kMaterialLine +
                               "    1    1    1    5    2    6    3    7    4    8\n"
                               "    2    1    1    4    2    5    3    6\n"
                               "    3    2    8   10    7   10    6   10    5   10\n"
                               "    4    2    3   10    2   10    1   10\n"
                               "    1 1.000000e+00 -5.000000e-01\n"
                               "    2 2.000000e+00 -5.000000e-01\n"
                               "    3 3.000000e+00 -5.000000e-01\n"
                               "    4 4.000000e+00 -5.000000e-01\n"
                               "    5 5.000000e+00 -5.000000e-01\n"
                               "    6 6.000000e+00 -5.000000e-01\n"
                               "    7 7.000000e+00 -5.000000e-01\n"
                               "    8 8.000000e+00 -5.000000e-01\n");
    EXPECT_EQ(written.warnings, "");
}

TEST(WriteModel, SkipsOtherNodeCountsWithoutLeavingAGapInElementNumbers) {
    LegacyModel model = model_with_nodes(4);
    add_element(model, {1, 2});
    add_element(model, {1, 2, 3});
    add_element(model, {1, 2, 3, 4, 1});
    add_element(model, {});
    add_element(model, {2, 3, 4});
    const Written written = write(model);
    EXPECT_EQ(written.out.substr(0, written.out.find("    1 1.0")),
              std::string("zenta input file\n"
                          "4 2 1 1\n") +
                  kMaterialLine +
                  "    1    1    1    6    2    6    3    6\n"
                  "    2    1    2    6    3    6    4    6\n");
    EXPECT_EQ(written.warnings,
              "Skipping element 0 2\nSkipping element 2 5\nSkipping element 3 0\n");
}

TEST(WriteModel, NodeSlotsStaySeparatedFromTenThousandOn) {
    LegacyModel model = model_with_nodes(123456);
    add_element(model, {9999, 10000, 99999, 100000, 123456, 1, 2, 3});
    add_element(model, {9998, 9999, 10000});
    const std::string out = write(model).out;
    EXPECT_NE(out.find("\n    1    1 9999 123456 10000    1 99999    2 100000    3\n"
                       "    2    1 9998 123458 9999 123458 10000 123458\n"),
              std::string::npos);
    EXPECT_NE(out.find("\n123456 1.234560e+05 -5.000000e-01\n"), std::string::npos);
}

// Code 3 for both directions fixed at 0; otherwise a record per direction, 4 and 5 with the
// prescribed displacement.
TEST(WriteModel, WritesFixitiesAndPrescribedDisplacementsInNodeOrder) {
    LegacyModel model = model_with_nodes(6);
    add_element(model, {1, 2, 3});
    model.fixities = {{0, kFixedX | kFixedY, 0.0, 0.0},
                      {1, kFixedX, 0.0, 0.0},
                      {2, kFixedY, 0.0, 0.0},
                      {3, kFixedX, 0.25, 0.0},
                      {4, kFixedX | kFixedY, 0.0, -1.5},
                      {5, kFixedX | kFixedY, 2.0, 3.0}};
    const std::string out = write(model).out;
    EXPECT_EQ(out.substr(out.find("AFIXITY")),
              "AFIXITY\n8\n1 3 0.0\n2 1 0.0\n3 2 0.0\n4 4 2.500000e-01\n5 1 0.0\n"
              "5 5 -1.500000e+00\n6 4 2.000000e+00\n6 5 3.000000e+00\n");
}

TEST(WriteModel, WritesTheLoadsAsGivenAfterTheFixities) {
    LegacyModel model = model_with_nodes(6);
    add_element(model, {1, 2, 3});
    model.fixities = {{0, kFixedX, 0.0, 0.0}};
    model.loads = {{4, 1, 15, 3}, {5, 1, -1e-7, 0.125}, {0, 2, 0, 0}};
    const std::string out = write(model).out;
    EXPECT_EQ(out.substr(out.find("AFIXITY")),
              "AFIXITY\n1\n1 1 0.0\nALOADS\n3\n5 1 15 3\n6 1 -1e-07 0.125\n1 2 0 0\n");
}

TEST(WriteModel, WritesMaterialLinesWithTheirValuesOrFixed) {
    LegacyModel model = model_with_nodes(3);
    add_element(model, {1, 2, 3});
    model.problem_type = kPlaneStrain;
    model.materials = {MaterialLine{210000.0, 0.3, 5.0, 1.0, 7.85e-9}, MaterialLine{}};
    std::string out = write(model).out;
    EXPECT_EQ(out.substr(0, out.find("    1    1")),
              std::string("zenta input file\n3 1 2 2\n") +
                  "    1  2.10e+05  3.00e-01  5.00e+00  1.00e+00  7.85e-09\n" + kMaterialLine);
    model.exact_reals = true;
    out = write(model).out;
    EXPECT_EQ(out.substr(0, out.find("    1    1")),
              "zenta input file\n3 1 2 2\n"
              "    1 210000 0.3 5 1 7.85e-09\n"
              "    1 3e+07 0.3 1 1 1\n");
}

// -full: every real in the shortest form that reads back as the same double, each field
// after a blank; the default mode keeps the historic formats for the same values.
TEST(WriteModel, WritesExactRealsWithFullAndHistoricFormatsOtherwise) {
    LegacyModel model;
    model.nodes = {{12345.67891, 0.04373}, {12345.67891 + 0.04373, -1.0 / 6.0}, {0.1 + 0.2, 0}};
    model.materials = {MaterialLine{206842.7, 1.0 / 3.0, 0.04373, 1.0, 7.85e-9}};
    add_element(model, {1, 2, 3});
    model.fixities = {{0, kFixedX | kFixedY, 1.0 / 6.0, -12345.67891}, {1, kFixedX, 0.0, 0.0}};
    model.loads = {{2, 1, 1.0 / 6.0, -2.0 / 3.0}, {0, 1, 206842.7, 0.0}};
    const struct {
        bool exact;
        const char* text;
    } cases[] = {
        {true,
         "zenta input file\n3 1 1 1\n"
         "    1 206842.7 0.3333333333333333 0.04373 1 7.85e-09\n"
         "    1    1    1    5    2    5    3    5\n"
         "    1 12345.67891 0.04373\n"
         "    2 12345.72264 -0.16666666666666666\n"
         "    3 0.30000000000000004 0\n"
         "AFIXITY\n3\n1 4 0.16666666666666666\n1 5 -12345.67891\n2 1 0.0\n"
         "ALOADS\n2\n3 1 0.16666666666666666 -0.6666666666666666\n1 1 206842.7 0\n"},
        {false,
         "zenta input file\n3 1 1 1\n"
         "    1  2.07e+05  3.33e-01  4.37e-02  1.00e+00  7.85e-09\n"
         "    1    1    1    5    2    5    3    5\n"
         "    1 1.234568e+04 4.373000e-02\n"
         "    2 1.234572e+04 -1.666667e-01\n"
         "    3 3.000000e-01 0.000000e+00\n"
         "AFIXITY\n3\n1 4 1.666667e-01\n1 5 -1.234568e+04\n2 1 0.0\n"
         "ALOADS\n2\n3 1 0.166667 -0.666667\n1 1 206843 0\n"},
    };
    for (const auto& c : cases) {
        model.exact_reals = c.exact;
        EXPECT_EQ(write(model).out, c.text) << c.exact;
    }
}

}  // namespace
}  // namespace abazenta
