// The archive model: its construction, the element type definitions of the archive, and the
// node look-up shared by the converters and the writer.
#include "data.h"

#include <cstdio>
#include <iterator>
#include <string>

#include "fatal_error.h"
#include "line_reader.h"

namespace {

// ANSYS element types that translate to plane elements of the legacy file.
const int kPlaneTypes[] = {2, 35, 42, 53, 74, 76, 78, 82, 83, 84, 88, 93, 182, 183};
// ANSYS element types that the MRP file takes: the four-node plane elements, and the eight-node
// ones by their corners.
const int kMrpTypes[] = {42, 182, 82, 183};

// Numbers of an "ETBLOCK" row: type reference, ANSYS type, key options 1, 2, 3, ...
constexpr int kEtblockFields = 5;
constexpr int kEtblockKeyOption3 = 4;

}  // namespace

const char* const kNoMeshMessage = "No nodes or elements found in the archive\n";
const char* const kThicknessNotTranslated =
    "Plane stress element with defined thickness\nPLEASE RESET THICKNESS IN ZENTA2D\n";

Data::Data(std::ostream& console, const SummaryRules& rules)
    : console_(console),
      rules_(rules),
      planeTypes_(kPlaneTypes, std::size(kPlaneTypes)),
      mrpTypes_(kMrpTypes, std::size(kMrpTypes)) {}

void Data::readElSets(std::istream& cdbFile) {
    LineReader reader(cdbFile);
    std::string line;
    // Sets of each type reference number, so that a "KEYOP," line finds its sets directly.
    std::unordered_map<int, std::vector<size_t>> setsById;
    auto setKeyOption3 = [this](ElemSet& set, int value) {
        set.opt_2d = value;
        if (value != 3) return;
        if (full)
            thicknessSets_.push_back(set.id);
        else
            console_ << kThicknessNotTranslated;
    };
    auto addSet = [&](int id, int type, int keyOption3) {
        ElemSet set;
        set.id = id;
        set.type = type;
        elsets.push_back(set);
        if (numElSets() > maxElSets) throw FatalError("Element set allocation exceeded\n");
        setsById[id].push_back(elsets.size() - 1);
        setKeyOption3(elsets.back(), keyOption3);
    };

    while (reader.next(line)) {
        if (startsWith(line, "ET,")) {
            int id = 0, type = 0;
            std::sscanf(fromPosition(line, 3), "%d, %d", &id, &type);
            addSet(id, type, 0);
        } else if (startsWith(line, "ETBLOCK")) {
            // One row per element type, like an "ET," line with its key option 3.
            forEachBlockRow(reader, [&](const std::string& row) {
                int field[kEtblockFields] = {};
                std::sscanf(row.c_str(), "%d %d %d %d %d", &field[0], &field[1], &field[2],
                            &field[3], &field[4]);
                addSet(field[0], field[1], field[kEtblockKeyOption3]);
            });
        } else if (startsWith(line, "KEYOP,")) {
            int setId = 0, option = 0, value = 0;
            std::sscanf(fromPosition(line, 6), "%d, %d, %d", &setId, &option, &value);
            if (option != 3) continue;
            auto found = setsById.find(setId);
            if (found == setsById.end()) continue;
            for (size_t index : found->second) setKeyOption3(elsets[index], value);
        }
    }
}

int Data::nodeIndex(int id) {
    for (; indexedNodes_ < nodes.size(); ++indexedNodes_)
        nodeIndexById_.emplace(nodes[indexedNodes_].id, static_cast<int>(indexedNodes_));
    auto found = nodeIndexById_.find(id);
    return found == nodeIndexById_.end() ? -1 : found->second;
}

void Data::requireMesh() const {
    if (nodes.empty() || elems.empty()) throw FatalError(kNoMeshMessage);
}
