// Writer of the legacy ZENTA2D(L) input file (single-model form).
//
// Column widths: the first field of a line keeps its width; a field of width W that follows
// another field directly is written as a blank and the value in width W-1, so that two numbers
// never touch (the same bytes for every value that fits its field).
#include <charconv>
#include <string>
#include <vector>

#include "data.h"
#include "real_text.h"
#include "text_format.h"

namespace {

constexpr const char* kTitle = "Palva file created from ANSYS input\n";
constexpr const char* kZeroProperties =
    " 0.00E+000 0.00E+000 0.00E+000 0.00E+000 0.00E+000"
    " 0.00E+000 0.00E+000 0.00E+000 0.00E+000";

void writeCounts(std::ostream& out, const Data& dat) {
    out << formatText("%6d %5d %5d %5d\n", dat.numNodes(), dat.numElems(), dat.numMats(),
                      dat.problem_type);
}

// With -full every real of coordinates, properties and conditions is written in the shortest
// form that reads back as the same double, right-aligned in the field of its historic format
// and wider when it needs to be. The lines are built without printf, which would cost more
// than the conversion itself on the load records of every node.
class ExactLine {
  public:
    // `value` right-aligned in `width` columns.
    ExactLine& integer(int value, size_t width) {
        char digits[16];
        std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
        return field(digits, static_cast<size_t>(end.ptr - digits), width);
    }
    ExactLine& real(double value, size_t width) {
        std::string digits = zenta::ShortestReal(value);
        return field(digits.data(), digits.size(), width);
    }
    ExactLine& text(const char* words) {
        line_ += words;
        return *this;
    }
    // Writes the line with its line end and starts the next one.
    void end(std::ostream& out) {
        line_ += '\n';
        out << line_;
        line_.clear();
    }

  private:
    ExactLine& field(const char* digits, size_t length, size_t width) {
        if (length < width) line_.append(width - length, ' ');
        line_.append(digits, length);
        return *this;
    }

    std::string line_;
};

void writeMaterial(std::ostream& out, const Material& m, bool exactReals) {
    if (!exactReals) {
        out << formatText("%5d %9.2e %9.2e %9.2e %9.2e %9.2e", m.type, m.ex, m.nu, m.thick, m.tough,
                          m.dens)
            << kZeroProperties << '\n';
        return;
    }
    ExactLine line;
    line.integer(m.type, 5);
    for (double property : {m.ex, m.nu, m.thick, m.tough, m.dens}) line.text(" ").real(property, 9);
    line.text(kZeroProperties).end(out);
}

void writeElement(std::ostream& out, const Elem& e, bool narrow) {
    // A model of exactly one node writes its element fields five wide.
    const int* n = e.nodes;
    out << (narrow ? formatText("%5d %4d %4d %4d %4d %4d %4d %4d %4d %4d\n", e.id, e.mat, n[0],
                                n[1], n[2], n[3], n[4], n[5], n[6], n[7])
                   : formatText("%6d %5d %5d %5d %5d %5d %5d %5d %5d %5d\n", e.id, e.mat, n[0],
                                n[1], n[2], n[3], n[4], n[5], n[6], n[7]));
}

void writeNode(std::ostream& out, const Node& n, ExactLine* exact) {
    if (exact)
        exact->integer(n.nid, 5).text(" ").real(n.x, 20).text(" ").real(n.y, 20).end(out);
    else
        out << formatText("%5d %20.6e %20.6e\n", n.nid, n.x, n.y);
}

void writeLoad(std::ostream& out, int nid, double x, double y, ExactLine* exact) {
    if (exact)
        exact->integer(nid, 0).text("  1 ").real(x, 21).text(" ").real(y, 20).end(out);
    else
        out << formatText("%d  1 %21.6e %20.6e\n", nid, x, y);
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

    outFile << kTitle;
    writeCounts(outFile, *this);
    for (const Material& m : mats) writeMaterial(outFile, m, full);
    bool narrow = numNodes() == 1;
    for (const Elem& e : elems) writeElement(outFile, e, narrow);
    ExactLine exactLine;
    ExactLine* exact = full ? &exactLine : nullptr;
    for (const Node& n : nodes) writeNode(outFile, n, exact);

    if (!fixities.empty()) {
        outFile << "AFIXITY\n" << fixities.size() << '\n';
        for (const SectionRecord& r : fixities) {
            outFile << formatText("%5d %4d", r.nid, r.bc->axis);
            if (r.bc->type == BC::kFixed)
                outFile << "  0.0\n";
            else if (exact)
                exact->text(" ").real(r.bc->value, 20).end(outFile);
            else
                outFile << formatText(" %20.6e\n", r.bc->value);
        }
    }
    if (full) {
        writeNodalLoads(outFile);
    } else if (!loads.empty()) {
        outFile << "ALOADS\n" << loads.size() << '\n';
        for (const SectionRecord& r : loads)
            writeLoad(outFile, r.nid, r.bc->values[0], r.bc->values[1], nullptr);
    }
}

void Data::writeNodalLoads(std::ostream& outFile) {
    size_t count = 0;
    for (const NodalLoad& load : nodalLoads) count += load.written();
    if (count == 0) return;
    outFile << "ALOADS\n" << count << '\n';
    ExactLine exact;
    for (size_t k = 0; k < nodalLoads.size(); ++k)
        if (nodalLoads[k].written())
            writeLoad(outFile, nodes[k].nid, nodalLoads[k].x, nodalLoads[k].y, &exact);
}
