// Writer of the MRP file: mesh, node coordinates and one stress per listed node, in fixed
// columns (a number wider than its field pushes the rest of its line).
#include <algorithm>
#include <string>

#include "data.h"
#include "text_format.h"

namespace {

// Element code text by MRP element code: 3 quadrilateral, 2 triangle, anything else.
const char* elementCodeText(int type) {
    switch (type) {
        case 3:
            return " 1 ";
        case 2:
            return " 3 ";
        default:
            return " -1 ";
    }
}

}  // namespace

void Data::writeMRP(std::ostream& outFile) {
    outFile << "%+ MRP file created from ANSYS input\n";
    outFile << formatText("%6d%6d   1   0   0\n", numElems(), numNodes());
    for (const Elem& e : elems) {
        std::string line = formatText("%8d%8s", e.id, elementCodeText(e.type));
        int written = std::clamp(e.num_nodes, 0, Elem::kNodeSlots);
        for (int k = 0; k < written; ++k) line += formatText("%8d", e.nodes[k]);
        outFile << line << '\n';
    }
    for (const Node& n : nodes) outFile << formatText("%8d%21.6e%21.6e    0.0\n", n.id, n.x, n.y);
    for (const BC& bc : bcs)
        if (bc.type == BC::kStress && bc.axis == 10)
            outFile << formatText("%d%21.6e\n", bc.node, -bc.value);
}
