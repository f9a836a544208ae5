// Writer of the MRP file: mesh, node coordinates and one stress per listed node, in fixed
// columns (a number wider than its field pushes the rest of its line).
#include <algorithm>
#include <string>

#include "column_line.h"
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
    ColumnWriter out(outFile);
    out.text("%+ MRP file created from ANSYS input\n");
    out.text(formatText("%6d%6d   1   0   0\n", numElems(), numNodes()));
    // "%8d%8s", then "%8d" for each node.
    for (const Elem& e : elems) {
        out.integer(e.id, 8).text(elementCodeText(e.type), 8);
        int written = std::clamp(e.num_nodes, 0, Elem::kNodeSlots);
        for (int k = 0; k < written; ++k) out.integer(e.nodes[k], 8);
        out.endLine();
    }
    // "%8d%21.6e%21.6e    0.0".
    for (const Node& n : nodes)
        out.integer(n.id, 8).exponent(n.x, 21, 6).exponent(n.y, 21, 6).text("    0.0").endLine();
    // "%d%21.6e".
    for (const BC& bc : bcs)
        if (bc.type == BC::kStress && bc.axis == 10)
            out.integer(bc.node, 0).exponent(-bc.value, 21, 6).endLine();
}
