// Mesh conversion of the stress mapping program: four-node elements counter-clockwise,
// collapsed quadrilaterals as three-node triangles, MRP element codes.
#include <utility>

#include "data.h"
#include "fatal_error.h"
#include "orientation.h"
#include "text_format.h"

namespace {

constexpr int kQuadrilateralCode = 3;
constexpr int kTriangleCode = 2;
constexpr int kCorners = 4;

// The MRP file holds corner meshes: an element with midside nodes keeps its corners I, J, K, L;
// a six-node triangle its corners I, J, K, as a quadrilateral whose last two corners are equal.
void keepCorners(Elem& elem) {
    if (elem.num_nodes <= kCorners) return;
    if (elem.num_nodes == 6) elem.nodes[3] = elem.nodes[2];
    elem.num_nodes = kCorners;
}

}  // namespace

int Data::Valid2dMRPType(int etype) {
    return mrpTypes_.accepts(elsets, etype);
}

void Data::ConvertMRP() {
    for (Elem& elem : elems) {
        bool accepted = Valid2dMRPType(elem.type);
        if (accepted)
            keepCorners(elem);
        else
            warnUnacceptedType(elem, elem.num_nodes == kCorners);
        // Corner look-up; a corner of 0 (a line cut short) is no node.
        int* corner = elem.nodes;
        int found[kCorners];
        for (int c = 0; c < kCorners; ++c) {
            found[c] = corner[c] == 0 ? -1 : nodeIndex(corner[c]);
            if (corner[c] != 0 && found[c] < 0)
                throw FatalError(
                    formatText("Element %d uses undefined node %d\n", elem.id, corner[c]));
        }
        if (accepted)
            elem.type = kQuadrilateralCode;
        else
            requireFlat(elem, found, kCorners);
        float area = 0.0f;
        if (found[0] >= 0 && found[1] >= 0 && found[2] >= 0)
            area = twiceSignedArea(nodes[found[0]], nodes[found[1]], nodes[found[2]]);
        if (area < 0) std::swap(corner[1], corner[3]);  // (1, 4, 3, 2)

        if (corner[2] == corner[3]) {
            elem.num_nodes = 3;
            elem.type = kTriangleCode;
        } else if (corner[1] == corner[2]) {
            // A clockwise (a, b, c, c) reads (a, c, c, b) once reversed: the triangle a, c, b.
            corner[2] = corner[3];
            elem.num_nodes = 3;
            elem.type = kTriangleCode;
        }
    }
}
