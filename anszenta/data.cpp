// The archive model: its construction, the element type definitions of the archive, and the
// node look-up shared by the converters and the writer.
#include "data.h"

#include <iterator>
#include <string>

#include "fatal_error.h"
#include "line_reader.h"
#include "scan_text.h"

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

void Data::setKeyOption3(ElemSet& set, int value, std::ostream& console) {
    set.opt_2d = value;
    if (value != 3) return;
    if (full)
        thicknessSets_.push_back(set.id);
    else
        console << kThicknessNotTranslated;
}

// Element sets from "ET," lines and "ETBLOCK" rows, and key option 3 from "KEYOP," lines.
class ElementSetReader : public ArchiveReader {
  public:
    explicit ElementSetReader(Data& dat) : dat_(dat) {}

    void take(const std::string& piece) override {
        // One row per element type, like an "ET," line with its key option 3.
        auto addRow = [this](const std::string& row) {
            int field[kEtblockFields] = {};
            scanText(row.c_str(), "%d %d %d %d %d", &field[0], &field[1], &field[2], &field[3],
                     &field[4]);
            addSet(field[0], field[1], field[kEtblockKeyOption3]);
        };
        if (etblock_.take(piece, addRow)) return;
        if (startsWith(piece, "ET,")) {
            int id = 0, type = 0;
            scanText(fromPosition(piece, 3), "%d, %d", &id, &type);
            addSet(id, type, 0);
        } else if (startsWith(piece, "ETBLOCK")) {
            etblock_.enter();
        } else if (startsWith(piece, "KEYOP,")) {
            int setId = 0, option = 0, value = 0;
            scanText(fromPosition(piece, 6), "%d, %d, %d", &setId, &option, &value);
            if (option != 3) return;
            auto found = setsById_.find(setId);
            if (found == setsById_.end()) return;
            for (size_t index : found->second)
                dat_.setKeyOption3(dat_.elsets[index], value, console());
        }
    }

  private:
    void addSet(int id, int type, int keyOption3) {
        ElemSet set;
        set.id = id;
        set.type = type;
        dat_.elsets.push_back(set);
        if (dat_.numElSets() > dat_.maxElSets)
            throw FatalError("Element set allocation exceeded\n");
        setsById_[id].push_back(dat_.elsets.size() - 1);
        dat_.setKeyOption3(dat_.elsets.back(), keyOption3, console());
    }

    Data& dat_;
    BlockRows etblock_;
    // Sets of each type reference number, so that a "KEYOP," line finds its sets directly.
    std::unordered_map<int, std::vector<size_t>> setsById_;
};

std::unique_ptr<ArchiveReader> Data::elSetReader() {
    return std::make_unique<ElementSetReader>(*this);
}

int Data::nodeIndex(int id) {
    nodeIndex_.update(nodes);
    return nodeIndex_.find(id);
}

void Data::requireMesh() const {
    if (nodes.empty() || elems.empty()) throw FatalError(kNoMeshMessage);
}
