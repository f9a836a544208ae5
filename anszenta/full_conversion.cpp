// Conversions of -full: the thickness of every element and the material lines that carry it,
// and the loads of the archive summed per node.
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "data.h"
#include "fatal_error.h"
#include "nodal_forces.h"
#include "plane_shape.h"
#include "text_format.h"

namespace {

constexpr int kPlaneStressWithThickness = 3;  // key option 3

// Key option 3 of the first set of each type reference number.
std::unordered_map<int, int> keyOption3BySet(const std::vector<ElemSet>& elsets) {
    std::unordered_map<int, int> options;
    for (const ElemSet& set : elsets) options.emplace(set.id, set.opt_2d);
    return options;
}

}  // namespace

void Data::AssignThickness() {
    std::unordered_map<int, int> keyOption3 = keyOption3BySet(elsets);
    elemThickness.assign(elems.size(), 1.0);
    thicknessFromConstants.assign(elems.size(), false);
    // Sets of plane stress elements with thickness that have elements, and those of them with
    // an element whose real constants give no thickness.
    std::unordered_set<int> setsWithElements, setsMissingThickness;
    for (size_t k = 0; k < elems.size(); ++k) {
        const Elem& elem = elems[k];
        auto option = keyOption3.find(elem.type);
        if (option == keyOption3.end() || option->second != kPlaneStressWithThickness) continue;
        setsWithElements.insert(elem.type);
        auto constants = realConstants.find(elem.real);
        if (constants != realConstants.end() && constants->second > 0.0) {
            elemThickness[k] = constants->second;
            thicknessFromConstants[k] = true;
        } else {
            setsMissingThickness.insert(elem.type);
        }
    }
    // The messages of the sets, in the order of the lines that made them plane stress with
    // thickness: a set whose elements all have their thickness says so once.
    std::unordered_set<int> announced;
    for (int set : thicknessSets_) {
        bool translated = setsWithElements.count(set) > 0 && setsMissingThickness.count(set) == 0;
        if (!translated)
            console_ << kThicknessNotTranslated;
        else if (announced.insert(set).second)
            console_ << formatText("Element set %d: thickness from the real constants\n", set);
    }
}

void Data::SplitMaterials() {
    // The largest material number of the archive: copies are numbered after it.
    long long largest = 0;
    std::unordered_map<int, size_t> materialById;
    for (size_t k = 0; k < mats.size(); ++k) {
        materialById.emplace(mats[k].id, k);
        largest = std::max<long long>(largest, mats[k].id);
    }
    for (const Elem& elem : elems) largest = std::max<long long>(largest, elem.mat);

    const size_t archiveMaterials = mats.size();
    std::vector<bool> used(archiveMaterials, false);
    // Copy of each (material, thickness) pair after the first thickness of a material.
    std::map<std::pair<size_t, double>, int> copies;
    int withoutLine = 0;
    for (size_t k = 0; k < elems.size(); ++k) {
        Elem& elem = elems[k];
        double thickness = elemThickness[k];
        auto material = materialById.find(elem.mat);
        if (material == materialById.end()) {
            if (thicknessFromConstants[k]) ++withoutLine;
            continue;
        }
        size_t index = material->second;
        if (!used[index]) {
            used[index] = true;
            mats[index].thick = thickness;
            continue;
        }
        if (thickness == mats[index].thick) continue;
        auto [copy, isNew] = copies.emplace(std::make_pair(index, thickness), 0);
        if (isNew) {
            long long number = largest + static_cast<long long>(copies.size());
            if (number > INT_MAX)
                throw FatalError(formatText(
                    "Material %d: no material number is left for a copy of another thickness\n",
                    mats[index].id));
            Material line = mats[index];
            line.id = static_cast<int>(number);
            line.thick = thickness;
            mats.push_back(line);
            copy->second = line.id;
        }
        elem.mat = copy->second;
    }
    if (withoutLine > 0)
        console_ << formatText("%d elements have a thickness but no material line\n", withoutLine);
}

namespace {

constexpr int kAxisymmetric = 1;  // key option 3
constexpr int kAxisymmetricProblem = 0;
constexpr double kRoundOff = 1e-12;  // of the largest force: what is below is written as 0

// Sums the pressures, gravity and spin of the archive into the forces of its nodes, with the
// consistent nodal forces of each element.
class LoadAssembler {
  public:
    explicit LoadAssembler(Data& dat) : dat_(dat), keyOption3_(keyOption3BySet(dat.elsets)) {}

    // Adds the pressures; returns how many name nothing of a translated plane element.
    int addPressures() {
        int untranslated = 0;
        std::unordered_map<int, size_t> elementByNumber;  // the first element of each number
        for (size_t k = 0; k < dat_.elems.size(); ++k) elementByNumber.emplace(dat_.elems[k].id, k);
        for (const SurfaceLoad& load : dat_.surfaceLoads.pressures) {
            auto element = elementByNumber.find(load.element);
            if (load.kind == SurfaceLoad::kImaginary && isZero(load)) continue;
            if (load.kind != SurfaceLoad::kReal || element == elementByNumber.end() ||
                !addPressure(element->second, load))
                ++untranslated;
        }
        return untranslated;
    }

    // Adds gravity and spin; returns the number of elements that have no density.
    int addInertiaForces() {
        const InertiaLoads& inertia = dat_.inertiaLoads;
        // The spin axis is the model's: y for an axisymmetric model, z for a plane one.
        bool axisymmetric = dat_.problem_type == kAxisymmetricProblem;
        int axis = axisymmetric ? 1 : 2;
        double spin = inertia.spinning ? inertia.spin[axis] : 0.0;
        bool offAxis = false;
        for (int k = 0; k < 3; ++k) offAxis = offAxis || (k != axis && inertia.spin[k] != 0.0);
        dat_.untranslatedLoads.accelerations = inertia.zOnlyAccelerations;
        dat_.untranslatedLoads.rotations = inertia.frameRotations + (offAxis ? 1 : 0);

        double ax = inertia.accelerated ? inertia.acceleration[0] : 0.0;
        double ay = inertia.accelerated ? inertia.acceleration[1] : 0.0;
        if (ax == 0.0 && ay == 0.0 && spin == 0.0) return 0;
        double spinSquared = spin * spin;
        std::unordered_map<int, double> densityByMaterial;
        for (const Material& m : dat_.mats) densityByMaterial.emplace(m.id, m.dens);
        int withoutDensity = 0;
        for (size_t k = 0; k < dat_.elems.size(); ++k) {
            auto density = densityByMaterial.find(dat_.elems[k].mat);
            if (density == densityByMaterial.end() || density->second == 0.0) {
                ++withoutDensity;
                continue;
            }
            const double rho = density->second;
            // The frame's acceleration pulls the other way; the spin pushes away from its axis.
            if (spin == 0.0) {
                // The same force at every point: the forces are those of the function below
                // to the last bit, without a call and a position at every Gauss point.
                addBodyForce(k, zenta::Vec2{rho * (0.0 - ax), rho * (0.0 - ay)});
                continue;
            }
            // (Captured by reference, the function needs no allocation per element.)
            auto force = [&](zenta::Vec2 at) {
                return zenta::Vec2{rho * (spinSquared * at.x - ax),
                                   rho * ((axisymmetric ? 0.0 : spinSquared * at.y) - ay)};
            };
            addBodyForce(k, std::cref(force));
        }
        return withoutDensity;
    }

  private:
    static bool isZero(const SurfaceLoad& load) {
        for (double value : load.values)
            if (value != 0.0) return false;
        return true;
    }

    zenta::Vec2 position(int node) const { return {dat_.nodes[node].x, dat_.nodes[node].y}; }

    zenta::Thickness thicknessOf(size_t element) const {
        auto option = keyOption3_.find(dat_.elems[element].type);
        if (option != keyOption3_.end() && option->second == kAxisymmetric)
            return zenta::Thickness::Axisymmetric();
        return zenta::Thickness::Constant(dat_.elemThickness[element]);
    }

    void addForce(int node, zenta::Vec2 force) {
        dat_.nodalLoads[node].x += force.x;
        dat_.nodalLoads[node].y += force.y;
    }

    // Twice the signed area of the element's shape; 0 for an element without one.
    double twiceSignedArea(const PlaneShape& shape) const {
        zenta::Vec2 corners[4];
        for (int k = 0; k < shape.cornerCount; ++k) corners[k] = position(shape.corners[k]);
        return zenta::TwiceSignedArea(corners, shape.cornerCount);
    }

    // Adds the pressure on one face; false when the element has no such face or no area. A face
    // of no length takes the pressure and gives no force.
    bool addPressure(size_t element, const SurfaceLoad& load) {
        if (element >= dat_.elemPositionNodes.size()) return false;
        const PositionNodes& nodes = dat_.elemPositionNodes[element];
        int numNodes = dat_.elems[element].num_nodes;
        FaceNodes faceNodes;
        if (!faceOf(nodes, numNodes, load.face, faceNodes)) return false;
        if (faceNodes.first == faceNodes.second) return true;
        double area = twiceSignedArea(planeShapeOf(nodes, numNodes));
        if (area == 0.0) return false;

        zenta::Face face;
        face.outward_right = area > 0.0;  // counter-clockwise: the inside lies to the left
        // The values are given in the listed order (J, then I for face 1); the face runs the
        // other way, and its midside node gets their mean.
        double atFirst = load.values[1], atSecond = load.values[0];
        std::array<int, 3> faceNode;
        std::array<double, 3> pressure;
        if (faceNodes.midside >= 0) {
            face.node_count = 3;
            faceNode = {faceNodes.first, faceNodes.midside, faceNodes.second};
            pressure = {atFirst, (atFirst + atSecond) / 2, atSecond};
        } else {
            face.node_count = 2;
            faceNode = {faceNodes.first, faceNodes.second, -1};
            pressure = {atFirst, atSecond, 0.0};
        }
        for (int k = 0; k < face.node_count; ++k) face.nodes[k] = position(faceNode[k]);
        std::array<zenta::Vec2, 3> forces =
            zenta::PressureForces(face, thicknessOf(element), pressure);
        for (int k = 0; k < face.node_count; ++k) addForce(faceNode[k], forces[k]);
        return true;
    }

    // `force` is a zenta::BodyForce or, for a force that is the same everywhere, a zenta::Vec2.
    template <typename Force>
    void addBodyForce(size_t element, const Force& force) {
        if (element >= dat_.elemPositionNodes.size()) return;
        PlaneShape shape =
            planeShapeOf(dat_.elemPositionNodes[element], dat_.elems[element].num_nodes);
        if (shape.cornerCount == 0) return;
        zenta::Element geometry;
        geometry.corner_count = shape.cornerCount;
        for (int k = 0; k < shape.cornerCount; ++k) {
            geometry.corners[k] = position(shape.corners[k]);
            geometry.has_midside[k] = shape.midsides[k] >= 0;
            if (geometry.has_midside[k]) geometry.midsides[k] = position(shape.midsides[k]);
        }
        std::array<zenta::Vec2, 8> forces;
        if constexpr (std::is_same_v<Force, zenta::Vec2>)
            forces = zenta::UniformBodyForces(geometry, thicknessOf(element), force);
        else
            forces = zenta::BodyForces(geometry, thicknessOf(element), force);
        for (int k = 0; k < shape.cornerCount; ++k) {
            addForce(shape.corners[k], forces[k]);
            if (shape.midsides[k] >= 0) addForce(shape.midsides[k], forces[4 + k]);
        }
    }

    Data& dat_;
    std::unordered_map<int, int> keyOption3_;
};

// Forces below kRoundOff of the largest are what is left of sums that cancel: written as 0.
void clearRoundOff(std::vector<NodalLoad>& loads) {
    double largest = 0.0;
    for (const NodalLoad& load : loads)
        largest = std::max({largest, std::fabs(load.x), std::fabs(load.y)});
    const double limit = kRoundOff * largest;
    for (NodalLoad& load : loads)
        for (double* force : {&load.x, &load.y})
            if (std::fabs(*force) < limit || *force == 0.0) *force = 0.0;
}

}  // namespace

void Data::AssembleLoads() {
    nodalLoads.assign(nodes.size(), NodalLoad());
    // Forces of F lines; two on one node and direction are summed. A force on a node that the
    // archive does not define is reported by the writer.
    for (const BC& bc : bcs) {
        if (bc.type != BC::kForce || (bc.axis != 1 && bc.axis != 2)) continue;
        int index = nodeIndex(bc.node);
        if (index < 0) continue;
        NodalLoad& load = nodalLoads[index];
        (bc.axis == 1 ? load.x : load.y) += bc.value;
        load.named = true;
    }
    LoadAssembler assembler(*this);
    untranslatedLoads.elementSurfaceLoads = surfaceLoads.untranslated + assembler.addPressures();
    int withoutDensity = assembler.addInertiaForces();
    clearRoundOff(nodalLoads);
    reportUntranslatedLoads();
    if (withoutDensity > 0)
        console_ << formatText("%d elements under ACEL or OMEGA have no density\n", withoutDensity);
}
