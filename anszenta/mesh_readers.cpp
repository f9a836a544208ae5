// Archive node and element readers, in the line forms of each ANSYS release.
#include <algorithm>
#include <cstdio>
#include <string>

#include "data.h"
#include "fatal_error.h"
#include "line_reader.h"
#include "text_format.h"

namespace {

// Node line forms of releases 5.0 to 5.3: the selector is the release sub-number.
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

// Element block forms: release 5.4 writes 18 numbers per element line, later releases 19.
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
                           &e.type, &x, &x, &x, &x, &x, &x, &e.num_nodes, &x, &e.id, &n[0], &n[1],
                           &n[2], &n[3], &n[4], &n[5], &n[6], &n[7]);
    return std::sscanf(text, "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d", &e.mat,
                       &e.type, &x, &e.id, &x, &x, &x, &x, &e.num_nodes, &x, &n[0], &n[1], &n[2],
                       &n[3], &n[4], &n[5], &n[6], &n[7]);
}

// Skips `count` lines (pieces) of the reader.
void skipLines(LineReader& reader, int count) {
    std::string ignored;
    for (int i = 0; i < count; ++i) reader.next(ignored);
}

// Skips to the line that opens a block and past the block's format description line. Returns
// false when the input ends before the block.
bool enterBlock(LineReader& reader, const char* keyword) {
    std::string line;
    bool found = false;
    while (!found && reader.next(line)) found = startsWith(line, keyword);
    if (found) skipLines(reader, 1);
    return found;
}

}  // namespace

void Data::readNodes(std::istream& cdbFile) {
    LineReader reader(cdbFile);
    std::string line;
    auto store = [this](const Node& parsed) {
        nodes.push_back(parsed);
        nodes.back().nid = numNodes();
        if (numNodes() > maxNodes) throw FatalError("Node allocation exceeded\n");
    };

    if (minor >= 0 && minor <= 3) {
        const NodeLineForm& form = kNodeLineForms[minor];
        while (reader.next(line)) {
            if (!startsWith(line, form.prefix)) continue;
            Node node;
            int parsed = parseNodeLine(fromPosition(line, 11), form, node);
            if (parsed == 1 && node.id == -1) return;  // end marker
            store(node);
        }
        return;
    }

    // Block form: keyword line, format line, then one node per line up to a line beginning "N".
    if (!enterBlock(reader, "NBLOCK,")) return;
    while (reader.next(line) && !startsWith(line, "N")) {
        Node node;
        int ignored = 0;
        std::sscanf(line.c_str(), "%d %d %d %lf %lf %lf", &node.id, &ignored, &ignored, &node.x,
                    &node.y, &node.z);
        store(node);
    }
}

void Data::addElement(const Elem& elem) {
    elems.push_back(elem);
    if (numElems() > maxElems) throw FatalError("Element allocation exceeded\n");
}

void Data::readElems(std::istream& cdbFile) {
    LineReader reader(cdbFile);
    std::string line;
    int tmp_minor = major == 4 ? 0 : minor;

    if (tmp_minor >= 0 && tmp_minor <= 3) {
        // Attribute line, then node line; the node line completes the element.
        Elem pending;
        while (reader.next(line)) {
            if (!startsWith(line, "EN,")) continue;
            std::string tag = line.size() >= 10 ? line.substr(8, 2) : std::string();
            if (tag == "AT") {
                int ignored = 0;
                Elem attributes;
                std::sscanf(fromPosition(line, 14), "%d, %d, %d, %d, %d", &attributes.num_nodes,
                            &attributes.mat, &attributes.type, &ignored, &attributes.id);
                pending = attributes;
            } else if (tag == "NO") {
                int* n = pending.nodes;
                std::fill(n, n + Elem::kNodeSlots, 0);
                std::sscanf(fromPosition(line, 14), "%d, %d, %d, %d, %d, %d, %d, %d", &n[0], &n[1],
                            &n[2], &n[3], &n[4], &n[5], &n[6], &n[7]);
                skipLines(reader, (pending.num_nodes > 8) + (pending.num_nodes > 16));
                addElement(pending);
                pending = Elem();
            }
        }
        return;
    }

    const ElementBlockForm& form = tmp_minor == 4 ? kEighteenNumbers : kNineteenNumbers;
    if (!enterBlock(reader, "EBLOCK")) return;
    while (reader.next(line) && !startsWith(line, "EN,R5")) {
        Elem elem;
        if (parseElementBlockLine(line.c_str(), form, elem) == 1) return;  // the -1 end line
        skipLines(reader, (elem.num_nodes > 8) + (elem.num_nodes > form.secondExtra));
        addElement(elem);
    }
}
