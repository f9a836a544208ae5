// Reader of an ANSYS nodal stress listing: the node number and SZ of every row of every block
// whose heading line begins with the words NODE and SX.
#include <cstdio>
#include <cstring>
#include <string>

#include "data.h"
#include "line_reader.h"

namespace {

constexpr int kStressAxis = 10;

// A heading line's first two words are exactly "NODE" and "SX" (leading blanks allowed).
bool isHeading(const std::string& line) {
    char first[256] = "", second[256] = "";  // a piece holds at most 254 characters
    std::sscanf(line.c_str(), "%255s %255s", first, second);
    return std::strcmp(first, "NODE") == 0 && std::strcmp(second, "SX") == 0;
}

// A row: the node number and the six stress components SX, SY, SZ, SXY, SYZ, SXZ, read in
// single precision. Returns false for any other line, which ends the block.
bool parseRow(const std::string& line, int& node, float& sz) {
    float sx = 0, sy = 0, sxy = 0, syz = 0, szx = 0;
    return std::sscanf(line.c_str(), "%d %f %f %f %f %f %f", &node, &sx, &sy, &sz, &sxy, &syz,
                       &szx) == 7;
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
        if (!isHeading(line)) continue;
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
