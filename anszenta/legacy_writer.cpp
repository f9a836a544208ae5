// Writer of the legacy ZENTA2D(L) input file (single-model form).
//
// Column widths: the first field of a line keeps its width; a field of width W that follows
// another field directly is written as a blank and the value in width W-1, so that two numbers
// never touch (the same bytes for every value that fits its field).
#include <string>
#include <vector>

#include "column_line.h"
#include "data.h"
#include "text_format.h"

namespace {

constexpr const char* kTitle = "Palva file created from ANSYS input\n";
constexpr const char* kZeroProperties =
    " 0.00E+000 0.00E+000 0.00E+000 0.00E+000 0.00E+000"
    " 0.00E+000 0.00E+000 0.00E+000 0.00E+000";

void writeCounts(ColumnWriter& out, const Data& dat) {
    out.text(formatText("%6d %5d %5d %5d\n", dat.numNodes(), dat.numElems(), dat.numMats(),
                        dat.problem_type));
}

// The reals of the default mode in printf's "%W.6e" (7 significant digits); with -full in the
// shortest form that reads back as the same double, right-aligned in the same field and wider
// when it needs to be.
class RealColumns {
  public:
    RealColumns(ColumnWriter& out, bool exact) : out_(out), exact_(exact) {}

    ColumnWriter& real(double value, size_t width) const {
        return exact_ ? out_.shortest(value, width) : out_.exponent(value, width, kDecimals);
    }

  private:
    static constexpr int kDecimals = 6;
    ColumnWriter& out_;
    bool exact_;
};

void writeMaterial(ColumnWriter& out, const Material& m, bool exactReals) {
    if (!exactReals) {
        out.text(formatText("%5d %9.2e %9.2e %9.2e %9.2e %9.2e", m.type, m.ex, m.nu, m.thick,
                            m.tough, m.dens));
    } else {
        out.integer(m.type, 5);
        for (double property : {m.ex, m.nu, m.thick, m.tough, m.dens})
            out.text(" ").shortest(property, 9);
    }
    out.text(kZeroProperties).endLine();
}

// "%6d %5d %5d ..." (a model of exactly one node: "%5d %4d %4d ...").
void writeElement(ColumnWriter& out, const Elem& e, bool narrow) {
    const size_t first = narrow ? 5 : 6;
    out.integer(e.id, first).text(" ").integer(e.mat, first - 1);
    for (int k = 0; k < Elem::kKeptNodes; ++k) out.text(" ").integer(e.nodes[k], first - 1);
    out.endLine();
}

// "%5d %20.6e %20.6e".
void writeNode(ColumnWriter& out, const Node& n, const RealColumns& reals) {
    out.integer(n.nid, 5).text(" ");
    reals.real(n.x, 20).text(" ");
    reals.real(n.y, 20).endLine();
}

// "%d  1 %21.6e %20.6e".
void writeLoad(ColumnWriter& out, int nid, double x, double y, const RealColumns& reals) {
    out.integer(nid, 0).text("  1 ");
    reals.real(x, 21).text(" ");
    reals.real(y, 20).endLine();
}

// "%5d %4d", then "  0.0" or " %20.6e".
void writeFixity(ColumnWriter& out, int nid, const BC& bc, const RealColumns& reals) {
    out.integer(nid, 5).text(" ").integer(bc.axis, 4);
    if (bc.type == BC::kFixed) {
        out.text("  0.0");
    } else {
        out.text(" ");
        reals.real(bc.value, 20);
    }
    out.endLine();
}

// Records of one boundary condition section: the record and the sequence number of its node.
struct SectionRecord {
    const BC* bc;
    int nid;
};

}  // namespace

void Data::writeData(std::ostream& outFile) {
    // Sort the kept records into their sections, in table order. A record on a node the
    // archive does not define cannot be written and is left out of its section's count. With
    // -full the forces have been summed per node into `nodalLoads`.
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
        if (isFixity)
            fixities.push_back({&bc, nodes[index].nid});
        else if (!full)
            loads.push_back({&bc, nodes[index].nid});
    }

    ColumnWriter out(outFile);
    const RealColumns reals(out, full);
    out.text(kTitle);
    writeCounts(out, *this);
    for (const Material& m : mats) writeMaterial(out, m, full);
    bool narrow = numNodes() == 1;
    for (const Elem& e : elems) writeElement(out, e, narrow);
    for (const Node& n : nodes) writeNode(out, n, reals);

    if (!fixities.empty()) {
        out.text("AFIXITY\n").integer(static_cast<long>(fixities.size()), 0).endLine();
        for (const SectionRecord& r : fixities) writeFixity(out, r.nid, *r.bc, reals);
    }
    if (full) {
        writeNodalLoads(out);
    } else if (!loads.empty()) {
        out.text("ALOADS\n").integer(static_cast<long>(loads.size()), 0).endLine();
        for (const SectionRecord& r : loads)
            writeLoad(out, r.nid, r.bc->values[0], r.bc->values[1], reals);
    }
}

void Data::writeNodalLoads(ColumnWriter& out) {
    size_t count = 0;
    for (const NodalLoad& load : nodalLoads) count += load.written();
    if (count == 0) return;
    out.text("ALOADS\n").integer(static_cast<long>(count), 0).endLine();
    const RealColumns reals(out, true);
    for (size_t k = 0; k < nodalLoads.size(); ++k)
        if (nodalLoads[k].written())
            writeLoad(out, nodes[k].nid, nodalLoads[k].x, nodalLoads[k].y, reals);
}
