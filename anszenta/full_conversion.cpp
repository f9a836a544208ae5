// Conversions of -full: the thickness of every element and the material lines that carry it,
// and the loads of the archive summed per node.
#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "data.h"
#include "fatal_error.h"
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
        bool translated = setsWithElements.count(set) > 0 && setsMissingThickness.count(set) == 0 &&
                          keyOption3[set] == kPlaneStressWithThickness;
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
    reportUntranslatedLoads();
}
