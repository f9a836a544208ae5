// Tests of the conversions of -full: the thickness of every element, the material lines that
// carry it, and the forces summed per node.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "archive_test_support.h"
#include "model_builder.h"

namespace {

const char* const kKept =
    "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n";

// Element sets read with -full: 1 and 2 plane stress with thickness (key option 3 = 3), 3
// plane stress, 4 plane stress with thickness and no element.
struct ThicknessModel : ArchiveFixture {
    ThicknessModel() {
        dat.full = true;
        dat.maxElSets = 4;
        read(&Data::readElSets,
             "ET,1,182\nKEYOP,1,3,3\nET,2,182\nKEYOP,2,3,3\nET,3,183\nET,4,183\nKEYOP,4,3,3\n");
        dat.realConstants = {{1, 5.0}, {2, 0.0}, {3, 2.0}, {4, -1.0}};
    }
};

TEST(AssignThickness, FirstRealConstantOfPlaneStressElementsWithThickness) {
    ThicknessModel f;
    EXPECT_EQ(f.console.str(), "");        // the messages wait for the elements
    addElem(f.dat, 1, 1, 4, {}).real = 1;  // 5.0
    addElem(f.dat, 2, 2, 4, {}).real = 1;  // 5.0
    addElem(f.dat, 3, 2, 4, {}).real = 2;  // 0 is no thickness: 1.0
    addElem(f.dat, 4, 3, 8, {}).real = 3;  // plane stress without thickness: 1.0
    addElem(f.dat, 5, 1, 4, {}).real = 1;  // 5.0
    addElem(f.dat, 6, 2, 4, {}).real = 9;  // no such set: 1.0
    addElem(f.dat, 7, 2, 4, {}).real = 4;  // negative: 1.0
    f.dat.AssignThickness();
    EXPECT_EQ(f.dat.elemThickness, (std::vector<double>{5, 5, 1, 1, 5, 1, 1}));
    EXPECT_EQ(f.dat.thicknessFromConstants,
              (std::vector<bool>{true, true, false, false, true, false, false}));
    // Set 1 has all its thicknesses; set 2 misses some; set 4 has no elements.
    EXPECT_EQ(f.console.str(),
              std::string("Element set 1: thickness from the real constants\n") + kKept + kKept);
}

TEST(AssignThickness, MessagesFollowTheLinesThatSetKeyOptionThree) {
    ArchiveFixture f;
    f.dat.full = true;
    f.dat.maxElSets = 3;
    f.read(&Data::readElSets,
           "ET,7,182\nKEYOP,7,3,3\nET,8,182\nKEYOP,8,3,3\nKEYOP,7,3,3\nET,9,182\nKEYOP,9,3,3\n"
           "KEYOP,9,3,0\n");
    f.dat.realConstants = {{1, 0.5}};
    addElem(f.dat, 1, 7, 4, {}).real = 1;
    addElem(f.dat, 2, 8, 4, {}).real = 1;
    addElem(f.dat, 3, 9, 4, {}).real = 1;  // set 9 is plane stress in the end
    f.dat.AssignThickness();
    EXPECT_EQ(f.console.str(), std::string("Element set 7: thickness from the real constants\n"
                                           "Element set 8: thickness from the real constants\n") +
                                   kKept);
    EXPECT_EQ(f.dat.elemThickness, (std::vector<double>{0.5, 0.5, 1}));
}

// Materials 1 and 4; element material 9 has no line.
struct MaterialModel : ArchiveFixture {
    MaterialModel() {
        for (int id : {1, 4}) {
            Material m;
            m.id = id;
            m.ex = id * 1000.0;
            m.dens = 7.5;
            dat.mats.push_back(m);
        }
    }
    void addElement(int id, int mat, double thickness, bool fromConstants) {
        addElem(dat, id, 1, 4, {}, mat);
        dat.elemThickness.push_back(thickness);
        dat.thicknessFromConstants.push_back(fromConstants);
    }
};

TEST(SplitMaterials, EveryFurtherThicknessOfAMaterialGetsACopy) {
    MaterialModel f;
    f.addElement(1, 1, 5.0, true);
    f.addElement(2, 1, 5.0, true);
    f.addElement(3, 1, 1.0, false);
    f.addElement(4, 4, 2.0, true);
    f.addElement(5, 1, 2.5, true);
    f.addElement(6, 1, 1.0, false);
    f.addElement(7, 9, 3.0, true);
    f.addElement(8, 9, 1.0, false);
    f.dat.SplitMaterials();
    // The largest material number is 9 (of element 7): copies are 10 and 11.
    std::vector<int> elementMaterials;
    for (const Elem& e : f.dat.elems) elementMaterials.push_back(e.mat);
    EXPECT_EQ(elementMaterials, (std::vector<int>{1, 1, 10, 4, 11, 10, 9, 9}));
    ASSERT_EQ(f.dat.numMats(), 4);
    const int ids[] = {1, 4, 10, 11};
    const double thicknesses[] = {5.0, 2.0, 1.0, 2.5};
    const double moduli[] = {1000, 4000, 1000, 1000};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f.dat.mats[k].id, ids[k]) << k;
        EXPECT_EQ(f.dat.mats[k].thick, thicknesses[k]) << k;
        EXPECT_EQ(f.dat.mats[k].ex, moduli[k]) << k;
        EXPECT_EQ(f.dat.mats[k].dens, 7.5) << k;
    }
    EXPECT_EQ(f.console.str(), "1 elements have a thickness but no material line\n");
}

TEST(SplitMaterials, AMaterialOfOneThicknessKeepsItsLine) {
    MaterialModel f;
    f.addElement(1, 4, 0.125, true);
    f.addElement(2, 4, 0.125, true);
    f.dat.SplitMaterials();
    ASSERT_EQ(f.dat.numMats(), 2);
    EXPECT_EQ(f.dat.mats[0].thick, 1.0);  // used by no element
    EXPECT_EQ(f.dat.mats[1].thick, 0.125);
    EXPECT_EQ(f.dat.elems[1].mat, 4);
    EXPECT_EQ(f.console.str(), "");
}

TEST(SplitMaterials, NoNumberLeftForACopyStops) {
    MaterialModel f;
    f.dat.mats[1].id = 2147483647;
    f.addElement(1, 1, 1.0, false);
    f.addElement(2, 1, 2.0, true);
    EXPECT_EQ(ArchiveFixture::stopMessage([&] { f.dat.SplitMaterials(); }),
              "Material 1: no material number is left for a copy of another thickness\n");
}

}  // namespace
