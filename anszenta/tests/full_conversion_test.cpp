// Tests of the conversions of -full: the thickness of every element, the material lines that
// carry it, and the forces summed per node.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
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
        read(&Data::elSetReader,
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
    f.read(&Data::elSetReader,
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

// ---- loads summed per node ----

// A model read with -full: element set 1 of ANSYS type 183 with the given key option 3,
// material 1 of density 1 (material 2 has none).
struct LoadModel : ArchiveFixture {
    explicit LoadModel(int keyOption3 = 0) {
        dat.full = true;
        addElemSet(dat, 1, 183, keyOption3);
        for (int id : {1, 2}) {
            Material m;
            m.id = id;
            m.dens = id == 1 ? 1.0 : 0.0;
            dat.mats.push_back(m);
        }
    }
    void pressure(int element, int face, double first, double second,
                  int kind = SurfaceLoad::kReal) {
        dat.surfaceLoads.pressures.push_back({element, face, kind, {first, second, 0, 0}});
    }
    void accelerate(double ax, double ay) {
        dat.inertiaLoads.accelerated = true;
        dat.inertiaLoads.acceleration = {ax, ay, 0};
    }
    void spin(double wx, double wy, double wz) {
        dat.inertiaLoads.spinning = true;
        dat.inertiaLoads.spin = {wx, wy, wz};
    }
    // Converts and assembles; the forces by ANSYS node number.
    std::map<int, std::pair<double, double>> assemble() {
        dat.elemThickness.assign(dat.elems.size(), 1.0);
        dat.thicknessFromConstants.assign(dat.elems.size(), false);
        dat.ConvertElements();
        dat.ConvertFixity();
        dat.SetProblemType();
        dat.AssembleLoads();
        std::map<int, std::pair<double, double>> forces;
        for (size_t k = 0; k < dat.nodes.size(); ++k)
            if (dat.nodalLoads[k].written())
                forces[dat.nodes[k].id] = {dat.nodalLoads[k].x, dat.nodalLoads[k].y};
        return forces;
    }
};

using Forces = std::map<int, std::pair<double, double>>;

void expectForces(const Forces& got, const Forces& want, const char* name) {
    EXPECT_EQ(got.size(), want.size()) << name;
    for (const auto& [node, force] : want) {
        auto found = got.find(node);
        if (found == got.end()) {
            ADD_FAILURE() << name << ": no force on node " << node;
            continue;
        }
        EXPECT_NEAR(found->second.first, force.first, 1e-12) << name << " node " << node;
        EXPECT_NEAR(found->second.second, force.second, 1e-12) << name << " node " << node;
    }
}

// A collapsed PLANE183 (I J K K M N K P; I (0,0), J (2,0), K (0,2)) is the six-node triangle:
// face 1 (L = 2, p = 3) gives pL/6 = 1 at I and J and 2pL/3 = 4 at M, upwards; face 4 (K to I)
// the same along +x; face 3 has no length. Gravity of ACEL 0,-1 on density 1 and area 2 lifts
// the midside nodes by W/3 = 2/3 each and leaves the corners 0.
TEST(AssembleLoads, CollapsedEightNodeElementIsASixNodeTriangle) {
    LoadModel m;
    const double xy[6][2] = {{0, 0}, {2, 0}, {0, 2}, {1, 0}, {1, 1}, {0, 1}};
    for (int k = 0; k < 6; ++k) addNode(m.dat, k + 1, xy[k][0], xy[k][1]);
    addElem(m.dat, 1, 1, 8, {1, 2, 3, 3, 4, 5, 3, 6});
    m.pressure(1, 1, 3, 3);
    m.pressure(1, 4, 3, 3);
    m.pressure(1, 3, 3, 3);
    m.accelerate(0, -1);
    expectForces(m.assemble(),
                 {{1, {1, 1}},
                  {2, {0, 1}},
                  {3, {1, 0}},
                  {4, {0, 4 + 2.0 / 3}},
                  {5, {0, 2.0 / 3}},
                  {6, {4, 2.0 / 3}}},
                 "collapsed");
    EXPECT_EQ(m.console.str(), "");
}

// Worked out from the shape functions (unit square, J (1,0), K (1,1), L (0,1)):
struct LoadCase {
    const char* name;
    int keyOption3;
    std::vector<std::array<double, 3>> nodes;  // id, x, y
    int numNodes;
    std::vector<int> elementNodes;
    void (*loads)(LoadModel&);
    Forces forces;
    const char* console;
};

TEST(AssembleLoads, ForcesOfEveryLoad) {
    const LoadCase cases[] = {
        // Midside nodes N and O dropped: corners get the bilinear 1/4 of W less half the 1/3
        // of each midside node beside them: I -1/12, J and L 1/12, K 1/4; M and P 1/3.
        // W = -12 (ACEL 0,12 on density 1).
        {"transition element",
         0,
         {{1, 0, 0}, {2, 1, 0}, {3, 1, 1}, {4, 0, 1}, {5, .5, 0}, {8, 0, .5}},
         8,
         {1, 2, 3, 4, 5, 0, 0, 8},
         [](LoadModel& m) { m.accelerate(0, 12); },
         {{1, {0, 1}}, {2, {0, -1}}, {3, {0, -3}}, {4, {0, -1}}, {5, {0, -4}}, {8, {0, -4}}},
         ""},
        // Face 1 of a clockwise element runs from I (0,0) to J (0,1); the element lies at x > 0.
        {"clockwise element",
         2,
         {{1, 0, 0}, {2, 0, 1}, {3, 1, 1}, {4, 1, 0}},
         4,
         {1, 2, 3, 4},
         [](LoadModel& m) { m.pressure(1, 1, 2, 2); },
         {{1, {1, 0}}, {2, {1, 0}}},
         ""},
        // p rises from 0 at I (0,0) to 6 at J (6,0): the integrals of the quadratic shape
        // functions times p give 0 at I, 12 at M and 6 at J.
        {"tapered pressure on a three-node face",
         0,
         {{1, 0, 0}, {2, 6, 0}, {3, 6, 6}, {4, 0, 6}, {5, 3, 0}, {6, 6, 3}, {7, 3, 6}, {8, 0, 3}},
         8,
         {1, 2, 3, 4, 5, 6, 7, 8},
         [](LoadModel& m) { m.pressure(1, 1, 6, 0); },
         {{2, {0, 6}}, {5, {0, 12}}},
         ""},
        // Spin about z on [1,2] x [0,1], density 1, w = 1: the integrals of N (x, y) are I
        // (1/3, 1/12), J (5/12, 1/12), K (5/12, 1/6), L (1/3, 1/6). The x component of OMEGA is
        // not translated.
        {"spin of a plane model",
         0,
         {{1, 1, 0}, {2, 2, 0}, {3, 2, 1}, {4, 1, 1}},
         4,
         {1, 2, 3, 4},
         [](LoadModel& m) { m.spin(1, 0, 1); },
         {{1, {1.0 / 3, 1.0 / 12}},
          {2, {5.0 / 12, 1.0 / 12}},
          {3, {5.0 / 12, 1.0 / 6}},
          {4, {1.0 / 3, 1.0 / 6}}},
         "1 rotational velocity lines not translated\n"},
        // An axisymmetric model spins about y: a spin about z alone is not translated.
        {"axisymmetric model spinning about z",
         1,
         {{1, 1, 0}, {2, 2, 0}, {3, 2, 1}, {4, 1, 1}},
         4,
         {1, 2, 3, 4},
         [](LoadModel& m) { m.spin(0, 0, 5); },
         {},
         "1 rotational velocity lines not translated\n"},
        // Two F lines on one node and direction are summed; a force below 1e-12 of the largest
        // is 0, and a node that an F line names keeps its record.
        {"force lines",
         0,
         {{1, 0, 0}, {2, 1, 0}, {3, 1, 1}, {4, 0, 1}},
         4,
         {1, 2, 3, 4},
         [](LoadModel& m) {
             addBC(m.dat, BC::kForce, 3, 1, 2.0e6);
             addBC(m.dat, BC::kForce, 3, 1, 3.0e6);
             addBC(m.dat, BC::kForce, 3, 2, -1.0);
             addBC(m.dat, BC::kForce, 4, 2, 1e-7);
             addBC(m.dat, BC::kForce, 2, 6, 9.0);  // FZ: dropped
         },
         {{3, {5.0e6, -1.0}}, {4, {0, 0}}},
         "Aplied displacement in Z not translated\n"},
        // What names nothing of a translated plane element is counted; a zero imaginary part
        // and a face of no length are passed over.
        {"pressures not translated",
         0,
         {{1, 0, 0}, {2, 1, 0}, {3, 1, 1}, {4, 0, 1}, {5, 2, 0}},
         4,
         {1, 2, 3, 3},
         [](LoadModel& m) {
             m.pressure(1, 3, 5, 5);                           // K-K: no length
             m.pressure(1, 5, 5, 5);                           // no face 5
             m.pressure(9, 1, 5, 5);                           // no element 9
             m.pressure(1, 1, 0, 0, SurfaceLoad::kImaginary);  // passed over
             m.pressure(1, 1, 0, 1, SurfaceLoad::kImaginary);
             m.pressure(1, 1, 5, 5, 3);
             addElem(m.dat, 2, 1, 4, {1, 2, 5, 5});  // no area
             m.pressure(2, 1, 5, 5);
         },
         {},
         "5 surface load lines not translated\n"},
        // Gravity on an element of a material without density gives no force.
        {"no density",
         0,
         {{1, 0, 0}, {2, 1, 0}, {3, 1, 1}, {4, 0, 1}},
         4,
         {1, 2, 3, 4},
         [](LoadModel& m) {
             m.dat.elems.back().mat = 2;
             addElem(m.dat, 2, 1, 4, {1, 2, 3, 4}, 7);  // no material line
             m.accelerate(3, 0);
         },
         {},
         "2 elements under ACEL or OMEGA have no density\n"},
    };
    for (const LoadCase& c : cases) {
        LoadModel m(c.keyOption3);
        for (const auto& node : c.nodes)
            addNode(m.dat, static_cast<int>(node[0]), node[1], node[2]);
        Elem& elem = addElem(m.dat, 1, 1, c.numNodes, {});
        std::copy(c.elementNodes.begin(), c.elementNodes.end(), elem.nodes);
        c.loads(m);
        expectForces(m.assemble(), c.forces, c.name);
        EXPECT_EQ(m.console.str(), c.console) << c.name;
    }
}

}  // namespace
