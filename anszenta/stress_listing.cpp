// Reader of an ANSYS nodal stress listing: the node number and SZ of every row of every block
// whose heading line begins with the words NODE and SX; and the check that it gave any.
#include <cstring>
#include <string>

#include "data.h"
#include "fatal_error.h"
#include "line_reader.h"
#include "scan_text.h"
#include "text_format.h"

namespace {

constexpr int kStressAxis = 10;

// True when the first words of the line are exactly `words` (leading blanks allowed).
template <size_t N>
bool beginsWithWords(const std::string& line, const char* const (&words)[N]) {
    const char* text = line.c_str();
    for (const char* word : words) {
        char found[256] = "";  // a piece holds at most 254 characters
        int consumed = 0;
        if (scanText(text, "%255s%n", found, &consumed) != 1) return false;
        if (std::strcmp(found, word) != 0) return false;
        text += consumed;
    }
    return true;
}

// The heading of a block of component stresses: its first two words are "NODE" and "SX".
bool isHeading(const std::string& line) {
    static const char* const kWords[] = {"NODE", "SX"};
    return beginsWithWords(line, kWords);
}

// The heading of a listing of principal stresses (PRNSOL,S,PRIN), which holds no SZ column.
bool isPrincipalHeading(const std::string& line) {
    static const char* const kWords[] = {"NODE", "S1", "S2", "S3", "SINT", "SEQV"};
    return beginsWithWords(line, kWords);
}

// A row: the node number and the six stress components SX, SY, SZ, SXY, SYZ, SXZ, read in
// single precision. Returns false for any other line, which ends the block.
bool parseRow(const std::string& line, int& node, float& sz) {
    float sx = 0, sy = 0, sxy = 0, syz = 0, szx = 0;
    return scanText(line.c_str(), "%d %f %f %f %f %f %f", &node, &sx, &sy, &sz, &sxy, &syz, &szx) ==
           7;
}

}  // namespace

void Data::readStress(std::istream& strFile) {
    // The records replace the table (the stress program reads no boundary conditions).
    bcs.clear();
    strFile.clear();
    strFile.seekg(0);
    LineReader reader(strFile);
    std::string line;
    while (reader.next(line)) {
        if (!isHeading(line)) {
            principalListing_ = principalListing_ || isPrincipalHeading(line);
            continue;
        }
        // Rows follow the heading directly; the first line that is no row ends the block and
        // is not itself looked at as a heading.
        int node = 0;
        float sz = 0;
        while (reader.next(line) && parseRow(line, node, sz)) {
            BC record;
            record.type = BC::kStress;
            record.node = node;
            record.axis = kStressAxis;
            record.value = sz;
            bcs.push_back(record);
        }
    }
}

void Data::requireStresses(const std::string& listingName) {
    if (bcs.empty()) {
        std::string message;
        if (principalListing_)
            message =
                "The listing holds principal stresses; list component stresses "
                "(PRNSOL,S,COMP)\n";
        throw FatalError(message +
                         formatText("No nodal stresses found in %s\n", listingName.c_str()));
    }
    int foreign = 0;
    for (const BC& stress : bcs)
        if (nodeIndex(stress.node) < 0) ++foreign;
    if (foreign > 0)
        console_ << formatText("%d listed rows name nodes that are not in the archive\n", foreign);
}
