// Archive summary: release check, capacity figures, element type definitions.
#include "data.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "fatal_error.h"
#include "line_reader.h"
#include "text_format.h"

const SummaryRules kAnszentaRules = {"456", "Translator might need updating\n", true, 11, true};
const SummaryRules kAnsmrpRules = {"45", "Translator needs updating\n", false, 12, false};

namespace {

constexpr const char* kReleasePrefix = "/COM,ANSYS RELEASE";
constexpr size_t kReleaseDigitPos = 20;
constexpr size_t kMinorPos = 22;

// Parses one "%d" from `text`; a number that does not parse reads as 0.
int intAt(const char* text) {
    int value = 0;
    std::sscanf(text, "%d", &value);
    return value;
}

}  // namespace

namespace {

// ANSYS element types that translate to plane elements of the legacy file.
const int kPlaneTypes[] = {2, 35, 42, 53, 74, 76, 78, 82, 83, 84, 88, 93, 182, 183};
// ANSYS element types that the MRP file takes: four-node plane elements.
const int kMrpTypes[] = {42};

}  // namespace

Data::Data(std::ostream& console, const SummaryRules& rules)
    : console_(console),
      rules_(rules),
      planeTypes_(kPlaneTypes, std::size(kPlaneTypes)),
      mrpTypes_(kMrpTypes, std::size(kMrpTypes)) {}

void Data::readSummary(std::istream& cdbFile) {
    LineReader reader(cdbFile);
    std::string line;

    // The release is taken from the first line only.
    if (reader.next(line) && startsWith(line, kReleasePrefix)) {
        char digit = line.size() > kReleaseDigitPos ? line[kReleaseDigitPos] : '\0';
        if (digit != '\0' && std::strchr(rules_.releaseDigits, digit)) major = digit - '0';
        minor = intAt(fromPosition(line, kMinorPos));
    }
    console_ << formatText("ANSYS Version: %d.%d\n", major, minor);
    if (major > 5 || (major == 5 && minor > 6)) console_ << rules_.newerWarning;
    if (rules_.readRelease6As56 && major == 6 && minor >= 0) {
        major = 5;
        minor = 6;
    }
    if (major >= 0 && major <= 3)
        throw FatalError(formatText("Cannot translate Ansys version %d\n", major));

    while (reader.next(line)) {
        if (startsWith(line, "NUMOFF,NODE")) {
            maxNodes = intAt(fromPosition(line, 12));
        } else if (startsWith(line, "NUMOFF,ELEM")) {
            maxElems = intAt(fromPosition(line, 12));
        } else if (startsWith(line, "NUMOFF,MAT")) {
            maxMats = intAt(fromPosition(line, rules_.materialFigureStart));
            if (rules_.defaultMaterialFigure && maxMats <= 0) maxMats = 10;
        } else if (startsWith(line, "ET,")) {
            ++maxElSets;
        } else if (startsWith(line, "D,") || startsWith(line, "F,")) {
            ++maxBCs;
        }
    }
    console_ << formatText("Number of nodes: %d\n", maxNodes)
             << formatText("Number of elements: %d\n", maxElems)
             << formatText("Number of materials: %d\n", maxMats)
             << formatText("Number of element sets: %d\n", maxElSets)
             << formatText("Number of nodal boundary conditions: %d\n", maxBCs);
    if (maxNodes <= 0 || maxElems <= 0) throw FatalError("");
}

void Data::readElSets(std::istream& cdbFile) {
    LineReader reader(cdbFile);
    std::string line;
    // Sets of each type reference number, so that a "KEYOP," line finds its sets directly.
    std::unordered_map<int, std::vector<size_t>> setsById;
    while (reader.next(line)) {
        if (startsWith(line, "ET,")) {
            ElemSet set;
            std::sscanf(fromPosition(line, 3), "%d, %d", &set.id, &set.type);
            elsets.push_back(set);
            if (numElSets() > maxElSets) throw FatalError("Element set allocation exceeded\n");
            setsById[set.id].push_back(elsets.size() - 1);
        } else if (startsWith(line, "KEYOP,")) {
            int setId = 0, option = 0, value = 0;
            std::sscanf(fromPosition(line, 6), "%d, %d, %d", &setId, &option, &value);
            if (option != 3) continue;
            auto found = setsById.find(setId);
            if (found == setsById.end()) continue;
            for (size_t index : found->second) {
                elsets[index].opt_2d = value;
                if (value == 3)
                    console_ << "Plane stress element with defined thickness\n"
                             << "PLEASE RESET THICKNESS IN ZENTA2D\n";
            }
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
    if (nodes.empty() || elems.empty())
        throw FatalError("No nodes or elements found in the archive\n");
}
