// Writer of the legacy ZENTA2D(L) input file (single-model form).
//
// Column widths: the first field of a line keeps its width; a field of width W that follows
// another field directly is written as a blank and the value in width W-1, so that two numbers
// never touch (the same bytes for every value that fits its field).
#include <string>
#include <vector>

#include "data.h"
#include "text_format.h"

namespace {

constexpr const char* kTitle = "Palva file created from ANSYS input\n";
constexpr double kThickness = 1.0;  // archives carry no thickness; the user resets it
constexpr const char* kZeroProperties =
    " 0.00E+000 0.00E+000 0.00E+000 0.00E+000 0.00E+000"
    " 0.00E+000 0.00E+000 0.00E+000 0.00E+000";

void writeCounts(std::ostream& out, const Data& dat) {
    out << formatText("%6d %5d %5d %5d\n", dat.numNodes(), dat.numElems(), dat.numMats(),
                      dat.problem_type);
}

void writeMaterial(std::ostream& out, const Material& m) {
    out << formatText("%5d %9.2e %9.2e %9.2e %9.2e %9.2e", m.type, m.ex, m.nu, kThickness, m.tough,
                      m.dens)
        << kZeroProperties << '\n';
}

void writeElement(std::ostream& out, const Elem& e, bool narrow) {
    // A model of exactly one node writes its element fields five wide.
    const int* n = e.nodes;
    out << (narrow ? formatText("%5d %4d %4d %4d %4d %4d %4d %4d %4d %4d\n", e.id, e.mat, n[0],
                                n[1], n[2], n[3], n[4], n[5], n[6], n[7])
                   : formatText("%6d %5d %5d %5d %5d %5d %5d %5d %5d %5d\n", e.id, e.mat, n[0],
                                n[1], n[2], n[3], n[4], n[5], n[6], n[7]));
}

void writeNode(std::ostream& out, const Node& n) {
    out << formatText("%5d %20.6e %20.6e\n", n.nid, n.x, n.y);
}

// Records of one boundary condition section: the record and the sequence number of its node.
struct SectionRecord {
    const BC* bc;
    int nid;
};

}  // namespace

void Data::writeData(std::ostream& outFile) {
    // Sort the kept records into their sections, in table order. A record on a node the
    // archive does not define cannot be written and is left out of its section's count.
    std::vector<SectionRecord> fixities, loads;
    for (const BC& bc : bcs) {
        bool isFixity = bc.type == BC::kFixed || bc.type == BC::kDisplacement;
        bool isLoad = bc.type == BC::kForce;
        if (!isFixity && !isLoad) continue;
        int index = nodeIndex(bc.node);
        if (index < 0) {
            console_ << formatText("Boundary condition on undefined node %d not translated\n",
                                   bc.node);
            continue;
        }
        (isFixity ? fixities : loads).push_back({&bc, nodes[index].nid});
    }

    outFile << kTitle;
    writeCounts(outFile, *this);
    for (const Material& m : mats) writeMaterial(outFile, m);
    bool narrow = numNodes() == 1;
    for (const Elem& e : elems) writeElement(outFile, e, narrow);
    for (const Node& n : nodes) writeNode(outFile, n);

    if (!fixities.empty()) {
        outFile << "AFIXITY\n" << fixities.size() << '\n';
        for (const SectionRecord& r : fixities) {
            outFile << formatText("%5d %4d", r.nid, r.bc->axis);
            if (r.bc->type == BC::kFixed)
                outFile << "  0.0\n";
            else
                outFile << formatText(" %20.6e\n", r.bc->value);
        }
    }
    if (!loads.empty()) {
        outFile << "ALOADS\n" << loads.size() << '\n';
        for (const SectionRecord& r : loads)
            outFile << formatText("%d  1 %21.6e %20.6e\n", r.nid, r.bc->values[0], r.bc->values[1]);
    }
}
