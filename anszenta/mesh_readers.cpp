// Archive node and element records in the line forms of each ANSYS release, and the readers
// that store them.
#include <cstdio>
#include <string>

#include "data.h"
#include "fatal_error.h"
#include "line_reader.h"
#include "mesh_records.h"

namespace {

// Node line forms of releases 5.0 to 5.3, in the order of LineForms::Nodes.
struct NodeLineForm {
    const char* prefix;  // compared over its 10 characters
    const char* format;  // parsed from position 11
    int intFields;       // integer fields before the coordinates (the node number first)
};

const NodeLineForm kNodeLineForms[] = {
    {"N,R5.0,LOC", "%d, %lf, %lf, %lf", 1},
    {"N,R5.1,LOC", "%d, %d, %lf, %lf, %lf", 2},
    {"N,R5.2,LOC", "%d, %d, %lf, %lf, %lf", 2},
    {"N,R5.3,LOC", "%d, %d, %d, %lf, %lf, %lf", 3},
};

// Parses a node line of the given form into `node`. Fields the line does not give stay 0.
// Returns the number of items parsed.
int parseNodeLine(const char* text, const NodeLineForm& form, Node& node) {
    int ignored = 0;
    switch (form.intFields) {
        case 1:
            return std::sscanf(text, form.format, &node.id, &node.x, &node.y, &node.z);
        case 2:
            return std::sscanf(text, form.format, &node.id, &ignored, &node.x, &node.y, &node.z);
        default:
            return std::sscanf(text, form.format, &node.id, &ignored, &ignored, &node.x, &node.y,
                               &node.z);
    }
}

// Element block forms: release 5.4 writes 18 numbers per element line, later releases 19. Both
// begin with the material, the type reference and the real constant set.
struct ElementBlockForm {
    bool nineteen;    // 19 numbers, element number after the node count
    int secondExtra;  // a node count above this takes a second continuation line
};

const ElementBlockForm kEighteenNumbers = {false, 26};
const ElementBlockForm kNineteenNumbers = {true, 27};

// Parses one element block line. Returns the number of items parsed.
int parseElementBlockLine(const char* text, const ElementBlockForm& form, Elem& e) {
    int x = 0;  // numbers the model does not keep
    int* n = e.nodes;
    if (form.nineteen)
        return std::sscanf(text, "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d", &e.mat,
                           &e.type, &e.real, &x, &x, &x, &x, &x, &e.num_nodes, &x, &e.id, &n[0],
                           &n[1], &n[2], &n[3], &n[4], &n[5], &n[6], &n[7]);
    return std::sscanf(text, "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d", &e.mat,
                       &e.type, &e.real, &e.id, &x, &x, &x, &x, &e.num_nodes, &x, &n[0], &n[1],
                       &n[2], &n[3], &n[4], &n[5], &n[6], &n[7]);
}

}  // namespace

bool NodeRecords::next(Node& node) {
    if (done_) return false;
    node = Node();
    if (form_ != LineForms::Nodes::Block) {
        const NodeLineForm& form = kNodeLineForms[static_cast<int>(form_)];
        while (reader_.next(line_)) {
            if (!startsWith(line_, form.prefix)) continue;
            int parsed = parseNodeLine(fromPosition(line_, 11), form, node);
            if (parsed == 1 && node.id == -1) break;  // end marker
            return true;
        }
        done_ = true;
        return false;
    }
    // Block form: keyword line, format line, then one node per line up to a line beginning "N".
    if (!started_) {
        started_ = true;
        done_ = !enterBlock(reader_, "NBLOCK,");
    }
    if (done_ || !reader_.next(line_) || startsWith(line_, "N")) {
        done_ = true;
        return false;
    }
    int ignored = 0;
    std::sscanf(line_.c_str(), "%d %d %d %lf %lf %lf", &node.id, &ignored, &ignored, &node.x,
                &node.y, &node.z);
    return true;
}

bool ElementRecords::next(Elem& elem) {
    if (done_) return false;
    bool found = form_ == LineForms::Elements::AttributeLines ? nextFromAttributeLines(elem)
                                                              : nextFromBlock(elem);
    done_ = !found;
    return found;
}

bool ElementRecords::nextFromAttributeLines(Elem& elem) {
    // Attribute line, then node line; the node line completes the element.
    Elem pending;  // attributes waiting for their node line
    while (reader_.next(line_)) {
        if (!startsWith(line_, "EN,") || line_.size() < 10) continue;
        if (line_.compare(8, 2, "AT") == 0) {
            pending = Elem();
            std::sscanf(fromPosition(line_, 14), "%d, %d, %d, %d, %d", &pending.num_nodes,
                        &pending.mat, &pending.type, &pending.real, &pending.id);
        } else if (line_.compare(8, 2, "NO") == 0) {
            int* n = pending.nodes;
            std::sscanf(fromPosition(line_, 14), "%d, %d, %d, %d, %d, %d, %d, %d", &n[0], &n[1],
                        &n[2], &n[3], &n[4], &n[5], &n[6], &n[7]);
            skipLines(reader_, (pending.num_nodes > 8) + (pending.num_nodes > 16));
            elem = pending;
            return true;
        }
    }
    return false;
}

bool isReadElementBlock(const std::string& blockLine, bool firstBlock) {
    return firstBlock || blockLine.find(",SOLID") != std::string::npos;
}

bool ElementRecords::enterNextBlock() {
    while (reader_.next(line_)) {
        if (!startsWith(line_, "EBLOCK")) continue;
        bool readable = isReadElementBlock(line_, !blockSeen_);
        blockSeen_ = true;
        if (readable) {
            skipLines(reader_, 1);  // the format description line
            return true;
        }
    }
    return false;
}

bool ElementRecords::nextFromBlock(Elem& elem) {
    const ElementBlockForm& form =
        form_ == LineForms::Elements::Block18 ? kEighteenNumbers : kNineteenNumbers;
    for (;;) {
        if (!inBlock_) {
            if (!enterNextBlock()) return false;
            inBlock_ = true;
        }
        if (!reader_.next(line_)) return false;
        elem = Elem();
        // A block ends at a line beginning "EN,R5" or at its -1 end line; an archive may hold
        // several blocks (one per body or element kind), each read in turn.
        if (startsWith(line_, "EN,R5") || parseElementBlockLine(line_.c_str(), form, elem) == 1) {
            inBlock_ = false;
            continue;
        }
        skipLines(reader_, (elem.num_nodes > 8) + (elem.num_nodes > form.secondExtra));
        return true;
    }
}

namespace {

template <typename Records, typename Record, typename Form>
int countRecords(std::istream& in, Form form) {
    Records records(in, form);
    Record record;
    int count = 0;
    while (records.next(record)) ++count;
    return count;
}

}  // namespace

int countNodeRecords(std::istream& in, LineForms::Nodes form) {
    return countRecords<NodeRecords, Node>(in, form);
}

int countElementRecords(std::istream& in, LineForms::Elements form) {
    return countRecords<ElementRecords, Elem>(in, form);
}

void Data::readNodes(std::istream& cdbFile) {
    NodeRecords records(cdbFile, lineForms.nodes);
    Node node;
    while (records.next(node)) {
        nodes.push_back(node);
        nodes.back().nid = numNodes();
        if (numNodes() > maxNodes) throw FatalError("Node allocation exceeded\n");
    }
}

void Data::readElems(std::istream& cdbFile) {
    ElementRecords records(cdbFile, lineForms.elements);
    Elem elem;
    while (records.next(elem)) {
        elems.push_back(elem);
        if (numElems() > maxElems) throw FatalError("Element allocation exceeded\n");
    }
}
