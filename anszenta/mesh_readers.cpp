// Archive node and element records in the line forms of each ANSYS release, and the readers
// that store them.
#include <memory>
#include <string>

#include "archive_pass.h"
#include "data.h"
#include "fatal_error.h"
#include "line_reader.h"
#include "mesh_records.h"
#include "scan_text.h"

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
            return scanText(text, form.format, &node.id, &node.x, &node.y, &node.z);
        case 2:
            return scanText(text, form.format, &node.id, &ignored, &node.x, &node.y, &node.z);
        default:
            return scanText(text, form.format, &node.id, &ignored, &ignored, &node.x, &node.y,
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
        return scanText(text, "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d", &e.mat,
                        &e.type, &e.real, &x, &x, &x, &x, &x, &e.num_nodes, &x, &e.id, &n[0], &n[1],
                        &n[2], &n[3], &n[4], &n[5], &n[6], &n[7]);
    return scanText(text, "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d", &e.mat, &e.type,
                    &e.real, &e.id, &x, &x, &x, &x, &e.num_nodes, &x, &n[0], &n[1], &n[2], &n[3],
                    &n[4], &n[5], &n[6], &n[7]);
}

}  // namespace

bool NodeRecords::take(const std::string& piece, Node& node) {
    switch (state_) {
        case State::Done:
            return false;
        case State::FormatLine:
            state_ = State::Rows;
            return false;
        case State::Rows: {
            if (startsWith(piece, "N")) {
                state_ = State::Done;
                return false;
            }
            node = Node();
            int ignored = 0;
            scanText(piece.c_str(), "%d %d %d %lf %lf %lf", &node.id, &ignored, &ignored, &node.x,
                     &node.y, &node.z);
            return true;
        }
        case State::Seeking:
            break;
    }
    if (form_ == LineForms::Nodes::Block) {
        if (startsWith(piece, "NBLOCK,")) state_ = State::FormatLine;
        return false;
    }
    const NodeLineForm& form = kNodeLineForms[static_cast<int>(form_)];
    if (!startsWith(piece, form.prefix)) return false;
    node = Node();
    int parsed = parseNodeLine(fromPosition(piece, 11), form, node);
    if (parsed == 1 && node.id == -1) {  // end marker
        state_ = State::Done;
        return false;
    }
    return true;
}

bool ElementRecords::take(const std::string& piece, Elem& elem) {
    if (continuationLines_ > 0) {
        --continuationLines_;
        return false;
    }
    return form_ == LineForms::Elements::AttributeLines ? takeAttributeLine(piece, elem)
                                                        : takeBlockLine(piece, elem);
}

bool ElementRecords::takeAttributeLine(const std::string& piece, Elem& elem) {
    // Attribute line, then node line; the node line completes the element.
    if (!startsWith(piece, "EN,") || piece.size() < 10) return false;
    if (piece.compare(8, 2, "AT") == 0) {
        pending_ = Elem();
        scanText(fromPosition(piece, 14), "%d, %d, %d, %d, %d", &pending_.num_nodes, &pending_.mat,
                 &pending_.type, &pending_.real, &pending_.id);
        return false;
    }
    if (piece.compare(8, 2, "NO") != 0) return false;
    int* n = pending_.nodes;
    scanText(fromPosition(piece, 14), "%d, %d, %d, %d, %d, %d, %d, %d", &n[0], &n[1], &n[2], &n[3],
             &n[4], &n[5], &n[6], &n[7]);
    continuationLines_ = (pending_.num_nodes > 8) + (pending_.num_nodes > 16);
    elem = pending_;
    pending_ = Elem();
    return true;
}

bool isReadElementBlock(const std::string& blockLine, bool firstBlock) {
    return firstBlock || blockLine.find(",SOLID") != std::string::npos;
}

bool ElementRecords::takeBlockLine(const std::string& piece, Elem& elem) {
    switch (state_) {
        case State::Seeking:
            if (startsWith(piece, "EBLOCK")) {
                if (isReadElementBlock(piece, !blockSeen_)) state_ = State::FormatLine;
                blockSeen_ = true;
            }
            return false;
        case State::FormatLine:
            state_ = State::Rows;
            return false;
        case State::Rows:
            break;
    }
    const ElementBlockForm& form =
        form_ == LineForms::Elements::Block18 ? kEighteenNumbers : kNineteenNumbers;
    elem = Elem();
    // A block ends at a line beginning "EN,R5" or at its -1 end line; an archive may hold
    // several blocks (one per body or element kind), each read in turn.
    if (startsWith(piece, "EN,R5") || parseElementBlockLine(piece.c_str(), form, elem) == 1) {
        state_ = State::Seeking;
        return false;
    }
    continuationLines_ = (elem.num_nodes > 8) + (elem.num_nodes > form.secondExtra);
    return true;
}

namespace {

// Stores the node records of the archive's node form.
class NodeReader : public ArchiveReader {
  public:
    explicit NodeReader(Data& dat) : dat_(dat), records_(dat.lineForms.nodes) {}

    void take(const std::string& piece) override {
        Node node;
        if (!records_.take(piece, node)) return;
        dat_.nodes.push_back(node);
        dat_.nodes.back().nid = dat_.numNodes();
        if (dat_.numNodes() > dat_.maxNodes) throw FatalError("Node allocation exceeded\n");
    }

  private:
    Data& dat_;
    NodeRecords records_;
};

// Stores the element records of the archive's element form.
class ElementReader : public ArchiveReader {
  public:
    explicit ElementReader(Data& dat) : dat_(dat), records_(dat.lineForms.elements) {}

    void take(const std::string& piece) override {
        if (!records_.take(piece, elem_)) return;
        dat_.elems.push_back(elem_);
        if (dat_.numElems() > dat_.maxElems) throw FatalError("Element allocation exceeded\n");
    }

  private:
    Data& dat_;
    ElementRecords records_;
    Elem elem_;
};

}  // namespace

std::unique_ptr<ArchiveReader> Data::nodeReader() {
    return std::make_unique<NodeReader>(*this);
}

std::unique_ptr<ArchiveReader> Data::elementReader() {
    return std::make_unique<ElementReader>(*this);
}
