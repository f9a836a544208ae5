// The legacy input file as the writer prints it, byte for byte.
#include "writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "conditions.h"
#include "mesh_reader.h"

namespace abazenta {
namespace {

constexpr char kMaterialLine[] = "    1  3.00e+07  3.00e-01  1.00e+00  1.00e+00  1.00e+00\n";

struct Written {
    std::string out;
    std::string warnings;
};

Written write(const AbaqusModel& model) {
    std::ostringstream out, warnings;
    write_model(model, out, warnings);
    return {out.str(), warnings.str()};
}

void add_nodes(AbaqusModel& model, int first, int last) {
    for (int n = first; n <= last; ++n)
        read_node(model, std::to_string(n) + " " + std::to_string(n) + ". -0.5\n");
}

TEST(WriteModel, WritesEveryElementKindInLegacySlotOrder) {
    AbaqusModel model;
    add_nodes(model, 1, 8);
    read_element_header(model, "*ELEMENT TYPE=CPS8 ELSET=SET1\n");
    read_element(model, "11  1 2 3 4 5 6 7 8\n");  // c1 c2 c3 c4 m12 m23 m34 m41
    read_element(model, "12  1 2 3 4 5 6\n");      // c1 c2 c3 m12 m23 m31
    read_element_header(model, "*ELEMENT TYPE=CPS4 ELSET=SET2\n");
    read_element(model, "13  8 7 6 5\n");
    read_element(model, "14  3 2 1\n");
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
    AbaqusModel model;
    add_nodes(model, 1, 4);
    read_element_header(model, "*ELEMENT TYPE=T2D2 ELSET=SET1\n");
    read_element(model, "1  1 2\n");
    read_element(model, "2  1 2 3\n");
    read_element(model, "3  1 2 3 4 1\n");
    read_element(model, "4\n");
    read_element(model, "5  2 3 4\n");
    const Written written = write(model);
    EXPECT_EQ(written.out, std::string("zenta input file\n"
                                       "4 2 1 1\n") +
                               kMaterialLine +
                               "    1    1    1    6    2    6    3    6\n"
                               "    2    1    2    6    3    6    4    6\n"
                               "    1 1.000000e+00 -5.000000e-01\n"
                               "    2 2.000000e+00 -5.000000e-01\n"
                               "    3 3.000000e+00 -5.000000e-01\n"
                               "    4 4.000000e+00 -5.000000e-01\n");
    EXPECT_EQ(written.warnings,
              "Skipping element 0 2\nSkipping element 2 5\nSkipping element 3 0\n");
}

TEST(WriteModel, NodeNumbersFollowFirstAppearanceAndUndefinedNodesWriteZero) {
    AbaqusModel model;
    read_element_header(model, "*ELEMENT TYPE=CPS3 ELSET=SET1\n");
    read_element(model, "1  30 10 77\n");  // elements may come before their nodes
    read_node(model, "30  0. 0.\n");
    read_node(model, "10  1. 0.\n");
    const Written written = write(model);
    EXPECT_NE(written.out.find("\n    1    1    1    4    2    4    0    4\n"), std::string::npos)
        << written.out;
}

TEST(WriteModel, NodeSlotsStaySeparatedFromTenThousandOn) {
    AbaqusModel model;
    add_nodes(model, 1, 123456);
    read_element_header(model, "*ELEMENT TYPE=CPS8 ELSET=SET1\n");
    read_element(model, "1  9999 10000 99999 100000 123456 1 2 3\n");
    read_element(model, "2  9998 9999 10000\n");
    const Written written = write(model);
    EXPECT_NE(written.out.find("\n    1    1 9999 123456 10000    1 99999    2 100000    3\n"
                               "    2    1 9998 123458 9999 123458 10000 123458\n"),
              std::string::npos);
    EXPECT_NE(written.out.find("\n123456 1.234560e+05 -5.000000e-01\n"), std::string::npos);
}

TEST(WriteModel, WritesFixitiesInNodeOrder) {
    AbaqusModel model;
    add_nodes(model, 1, 5);
    read_element_header(model, "*ELEMENT TYPE=CPS4 ELSET=SET1\n");
    read_element(model, "1  1 2 3 4\n");
    std::ostringstream warnings;
    read_boundary(model, "4 2 0.\n", warnings);
    read_boundary(model, "2 1 0.\n", warnings);
    read_boundary(model, "2 2 0.\n", warnings);
    const std::string out = write(model).out;
    EXPECT_EQ(out.substr(out.find("AFIXITY")), "AFIXITY\n2\n2 3 0.0\n4 2 0.0\n");
}

TEST(WriteModel, WritesMergedLoadsAfterTheFixities) {
    AbaqusModel model;
    add_nodes(model, 1, 6);
    read_element_header(model, "*ELEMENT TYPE=CPS3 ELSET=SET1\n");
    read_element(model, "1  1 2 3\n");
    std::ostringstream warnings;
    read_boundary(model, "1 1 0.\n", warnings);
    for (const char* line : {"5 1 10.\n", "6 2 0.125\n", "5 1 5.\n", "5 2 3.\n", "6 1 -1e-7\n"})
        read_cload(model, line, warnings);
    const std::string out = write(model).out;
    EXPECT_EQ(out.substr(out.find("AFIXITY")),
              "AFIXITY\n1\n1 1 0.0\nALOADS\n2\n5 1 15 3\n6 1 -1e-07 0.125\n");
}

TEST(WriteModel, WritesOneIdenticalLineForEveryMaterialEvenWhenUnused) {
    AbaqusModel model;
    add_nodes(model, 1, 3);
    read_element_header(model, "*ELEMENT TYPE=CPS3 ELSET=SET1\n");
    read_element(model, "1  1 2 3\n");
    read_element_header(model, "*ELEMENT TYPE=CPS3 ELSET=SET2\n");
    read_element_header(model, "*ELEMENT TYPE=CPS3 ELSET=SET3\n");
    const std::string out = write(model).out;
    EXPECT_EQ(
        out.substr(0, out.find("    1    1    1")),
        std::string("zenta input file\n3 1 3 1\n") + kMaterialLine + kMaterialLine + kMaterialLine);
}

}  // namespace
}  // namespace abazenta
