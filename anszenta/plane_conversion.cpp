// Conversion of the archive model to the plane model of the legacy input file: element type
// test and node order, Z conditions dropped, X and Y forces paired, problem type.
#include <algorithm>
#include <string>
#include <unordered_set>

#include "data.h"
#include "fatal_error.h"
#include "orientation.h"
#include "text_format.h"

namespace {

constexpr int kSlots = Elem::kKeptNodes;
constexpr int kShellType93 = 93;

// Output slot orders, as archive positions 1..8 (0: no node). The archive gives corners at
// positions 1-4 and the midside nodes 1-2, 2-3, 3-4, 4-1 at positions 5-8; the legacy file
// alternates corner and midside around the element.
const int kQuadrilateral[kSlots] = {1, 5, 2, 6, 3, 7, 4, 8};
// Collapsed quadrilateral with corners 3 and 4 equal: corner 1, mid 1-2, corner 2, mid 2-3,
// corner 3, mid 3-1.
const int kTriangleThirdFourthEqual[kSlots] = {1, 5, 2, 6, 3, 8, 0, 0};
// Collapsed clockwise quadrilateral (corners 2 and 3 equal once reversed): the same triangle
// traversed from corner 1 in the opposite direction.
const int kTriangleSecondThirdEqual[kSlots] = {1, 8, 3, 6, 2, 5, 0, 0};
// True six-node triangles store corners at 1-3 and midsides 1-2, 2-3, 3-1 at 4-6.
const int kSixNodeCounterClockwise[kSlots] = {1, 4, 2, 5, 3, 6, 0, 0};
const int kSixNodeClockwise[kSlots] = {1, 6, 3, 5, 2, 4, 0, 0};
// Entries of a clockwise element read in the opposite direction, for the shape test.
const int kReversedPositions[kSlots] = {1, 4, 3, 2, 8, 7, 6, 5};

// Picks the slot order of an element from its archive entries and orientation.
const int* slotOrder(const int (&entries)[kSlots], int numNodes, float area) {
    if (numNodes == 6) return area < 0 ? kSixNodeClockwise : kSixNodeCounterClockwise;
    int shape[kSlots];
    for (int k = 0; k < kSlots; ++k)
        shape[k] = area < 0 ? entries[kReversedPositions[k] - 1] : entries[k];
    if (shape[1] == shape[2]) return kTriangleSecondThirdEqual;
    if (shape[2] == shape[3]) return kTriangleThirdFourthEqual;
    return kQuadrilateral;
}

}  // namespace

int Data::Valid2dElementType(int etype) {
    return planeTypes_.accepts(elsets, etype);
}

void Data::ConvertElements() {
    for (Elem& elem : elems) {
        bool accepted = Valid2dElementType(elem.type);
        if (!accepted) warnUnacceptedType(elem, elem.num_nodes == 8 || elem.num_nodes == 6);
        // Archive entries of the positions the element uses, and the node found for each.
        int used = std::clamp(elem.num_nodes, 0, kSlots);
        int entries[kSlots] = {};
        PositionNodes found;
        for (int p = 0; p < kSlots; ++p) {
            found[p] = -1;
            if (p >= used || elem.nodes[p] == 0) continue;  // 0 marks a dropped midside node
            entries[p] = elem.nodes[p];
            found[p] = nodeIndex(entries[p]);
            if (found[p] < 0)
                throw FatalError(
                    formatText("Element %d uses undefined node %d\n", elem.id, entries[p]));
        }
        // ANSYS numbers an eight-node shell 93 today: accepted, but only when it is flat.
        if (!accepted || planeTypes_.ansysType(elsets, elem.type) == kShellType93)
            requireFlat(elem, found.data(), kSlots);
        float area = 0.0f;
        if (found[0] >= 0 && found[1] >= 0 && found[2] >= 0)
            area = twiceSignedArea(nodes[found[0]], nodes[found[1]], nodes[found[2]]);

        // -full: the loads on the element need its nodes in the archive's positions.
        if (full) elemPositionNodes.push_back(found);
        const int* order = slotOrder(entries, elem.num_nodes, area);
        for (int k = 0; k < kSlots; ++k) {
            int position = order[k];
            elem.nodes[k] =
                position == 0 || found[position - 1] < 0 ? 0 : nodes[found[position - 1]].nid;
        }
    }
}

void Data::ConvertFixity() {
    bool droppedZ = false;
    for (BC& bc : bcs) {
        if (bc.axis != 6) continue;
        bc.type = BC::kDropped;
        droppedZ = true;
    }
    if (droppedZ) console_ << "Aplied displacement in Z not translated\n";
}

void Data::ConvertForces() {
    // Y forces of each node, in table order. An X force absorbs every Y force of its node
    // that no earlier X force has absorbed; the last of them gives the Y component.
    std::unordered_map<int, std::vector<size_t>> yForcesByNode;
    for (size_t j = 0; j < bcs.size(); ++j)
        if (bcs[j].type == BC::kForce && bcs[j].axis == 2) yForcesByNode[bcs[j].node].push_back(j);

    for (BC& force : bcs) {
        if (force.type != BC::kForce || force.axis != 1) continue;
        auto found = yForcesByNode.find(force.node);
        if (found == yForcesByNode.end() || found->second.empty()) continue;
        force.axis = 3;
        force.values[0] = force.value;
        force.values[1] = bcs[found->second.back()].value;
        for (size_t j : found->second) bcs[j].type = BC::kDropped;
        found->second.clear();
    }
    for (BC& bc : bcs) {
        if (bc.type != BC::kForce) continue;
        if (bc.axis == 1) {
            bc.values[0] = bc.value;
            bc.values[1] = 0.0;
        } else if (bc.axis == 2) {
            bc.values[0] = 0.0;
            bc.values[1] = bc.value;
        }
    }
}

void Data::SetProblemType() {
    std::unordered_set<int> typesUsed;
    for (const Elem& elem : elems) typesUsed.insert(elem.type);
    if (typesUsed.size() > elsets.size()) throw FatalError("Invalid element sets\n");
    // Key option 3 of each set; the last set with a known option decides.
    static const int kProblemTypeByKeyOption[] = {1, 0, 2, 1};
    for (const ElemSet& set : elsets)
        if (set.opt_2d >= 0 && set.opt_2d <= 3) problem_type = kProblemTypeByKeyOption[set.opt_2d];
}
