// Tests of the legacy input file writer: exact bytes of every record, section rules and
// width limits.
#include <gtest/gtest.h>

#include <sstream>

#include "archive_test_support.h"
#include "model_builder.h"

namespace {

// Four nodes (ANSYS 3, 7, 9, 11), one converted element, one material.
struct SmallModel : ArchiveFixture {
    SmallModel() {
        addNode(dat, 3, 0.0, 0.0);
        addNode(dat, 7, 2.5, 0.0);
        addNode(dat, 9, 2.5, -1.25);
        addNode(dat, 11, 0.0, 1e-7);
        Material m;
        m.id = 4;
        m.ex = 2.0e11;
        m.nu = 0.3;
        m.dens = 7800;
        dat.mats.push_back(m);
        addElem(dat, 21, 1, 4, {1, 0, 2, 0, 3, 0, 4, 0}, 4);
    }
    std::string write() {
        std::ostringstream out;
        dat.writeData(out);
        return out.str();
    }
};

const char* kHeader =
    "Palva file created from ANSYS input\n"
    "     4     1     1     1\n"
    "    1  2.00e+11  3.00e-01  1.00e+00  0.00e+00  7.80e+03 0.00E+000 0.00E+000 0.00E+000"
    " 0.00E+000 0.00E+000 0.00E+000 0.00E+000 0.00E+000 0.00E+000\n"
    "    21     4     1     0     2     0     3     0     4     0\n"
    "    1         0.000000e+00         0.000000e+00\n"
    "    2         2.500000e+00         0.000000e+00\n"
    "    3         2.500000e+00        -1.250000e+00\n"
    "    4         0.000000e+00         1.000000e-07\n";

TEST(WriteData, ModelWithoutConditionsEndsWithItsNodes) {
    SmallModel f;
    EXPECT_EQ(f.write(), kHeader);
}

TEST(WriteData, SectionsNameNodesBySequenceNumber) {
    SmallModel f;
    addBC(f.dat, BC::kFixed, 7, 1, 0.0);
    addBC(f.dat, BC::kFixed, 7, 2, 0.0);
    addBC(f.dat, BC::kDisplacement, 9, 5, -0.002);
    addBC(f.dat, BC::kDropped, 9, 6, 0.0);
    BC& both = addBC(f.dat, BC::kForce, 11, 3, 0.0);
    both.values[0] = 100.0;
    both.values[1] = -250.5;
    BC& y = addBC(f.dat, BC::kForce, 3, 2, 0.0);
    y.values[1] = 1.0;
    EXPECT_EQ(f.write(), std::string(kHeader) +
                             "AFIXITY\n3\n"
                             "    2    1  0.0\n"
                             "    2    2  0.0\n"
                             "    3    5        -2.000000e-03\n"
                             "ALOADS\n2\n"
                             "4  1          1.000000e+02        -2.505000e+02\n"
                             "1  1          0.000000e+00         1.000000e+00\n");
    EXPECT_EQ(f.console.str(), "");
}

TEST(WriteData, ConditionOnUndefinedNodeIsLeftOut) {
    SmallModel f;
    addBC(f.dat, BC::kFixed, 7, 1, 0.0);
    addBC(f.dat, BC::kFixed, 8, 1, 0.0);
    BC& load = addBC(f.dat, BC::kForce, 5, 1, 0.0);
    load.values[0] = 1.0;
    EXPECT_EQ(f.write(), std::string(kHeader) + "AFIXITY\n1\n    2    1  0.0\n");
    EXPECT_EQ(f.console.str(),
              "Boundary condition on undefined node 8 not translated\n"
              "Boundary condition on undefined node 5 not translated\n");
}

TEST(WriteData, WideNumbersNeverTouch) {
    SmallModel f;
    f.dat.elems[0].id = 1234567;
    f.dat.elems[0].mat = 100000;
    f.dat.mats[0].ex = -1.5e-300;
    std::string text = f.write();
    EXPECT_NE(text.find("\n1234567 100000     1     0"), std::string::npos) << text;
    EXPECT_NE(text.find("\n    1 -1.50e-300  3.00e-01"), std::string::npos) << text;
}

// With -full every real of the file reads back as the double of the model: the shortest such
// text, right-aligned in the field of the historic format, wider where it must be. The
// element is 0.04373 wide at x = 12345.67891 (7 significant digits would make it 0.04).
TEST(WriteData, FullWritesRealsThatReadBackExactly) {
    ArchiveFixture f;
    f.dat.full = true;
    addNode(f.dat, 3, 12345.67891, 0.0);
    addNode(f.dat, 7, 12345.72264, 0.0);
    addNode(f.dat, 9, 12345.72264, 0.04373);
    addNode(f.dat, 11, 12345.67891, 0.1 + 0.2);
    Material m;
    m.id = 4;
    m.ex = 206842.7;
    m.nu = 0.3;
    m.thick = 1.2345;
    m.dens = 7.85e-9;
    f.dat.mats.push_back(m);
    addElem(f.dat, 21, 1, 4, {1, 0, 2, 0, 3, 0, 4, 0}, 4);
    addBC(f.dat, BC::kFixed, 3, 1, 0.0);
    addBC(f.dat, BC::kDisplacement, 9, 5, -0.002);
    addBC(f.dat, BC::kForce, 11, 1, 1.0 / 6);  // summed into nodalLoads, not written itself
    f.dat.nodalLoads.resize(4);
    f.dat.nodalLoads[3] = {1.0 / 6, -2.5, true};
    f.dat.nodalLoads[1] = {0.0, -1.2345678901234568e-300, false};
    f.dat.nodalLoads[2] = {0.0, 0.0, true};  // named by an F line of 0
    std::ostringstream out;
    f.dat.writeData(out);
    EXPECT_EQ(out.str(),
              "Palva file created from ANSYS input\n"
              "     4     1     1     1\n"
              "    1  206842.7       0.3    1.2345         0  7.85e-09 0.00E+000 0.00E+000 "
              "0.00E+000 0.00E+000 0.00E+000 0.00E+000 0.00E+000 0.00E+000 0.00E+000\n"
              "    21     4     1     0     2     0     3     0     4     0\n"
              "    1          12345.67891                    0\n"
              "    2          12345.72264                    0\n"
              "    3          12345.72264              0.04373\n"
              "    4          12345.67891  0.30000000000000004\n"
              "AFIXITY\n2\n"
              "    1    1  0.0\n"
              "    3    5               -0.002\n"
              "ALOADS\n3\n"
              "2  1                     0 -1.2345678901234568e-300\n"
              "3  1                     0                    0\n"
              "4  1   0.16666666666666666                 -2.5\n");
    EXPECT_EQ(f.console.str(), "");
}

TEST(WriteData, OneNodeModelWritesElementFieldsFiveWide) {
    ArchiveFixture f;
    addNode(f.dat, 1, 1.0, 2.0);
    addElem(f.dat, 5, 1, 8, {1, 1, 1, 1, 1, 1, 1, 1}, 2);
    std::ostringstream out;
    f.dat.writeData(out);
    EXPECT_EQ(out.str(),
              "Palva file created from ANSYS input\n"
              "     1     1     0     1\n"
              "    5    2    1    1    1    1    1    1    1    1\n"
              "    1         1.000000e+00         2.000000e+00\n");
}

}  // namespace
