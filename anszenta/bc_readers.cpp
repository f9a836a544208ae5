// Archive material ("MPDATA") and nodal boundary condition ("D,", "F,") readers.
#include <cstring>
#include <string>

#include "data.h"
#include "fatal_error.h"
#include "line_reader.h"
#include "material_line.h"
#include "scan_text.h"
#include "text_format.h"

namespace {

// Material properties taken from "MPDATA" lines; labels are compared as prefixes, in order.
struct PropertyLabel {
    const char* label;
    double Material::*field;
    bool unlessNuxyGiven;  // taken only by a material that the archive gives no NUXY
};

const PropertyLabel kPropertyLabels[] = {
    {"EX", &Material::ex, false},      {"NUXY", &Material::nu, false},
    {"MU", &Material::mu, false},      {"DENS", &Material::dens, false},
    {"ALPX", &Material::alpha, false}, {"PRXY", &Material::nu, true},
};

// Direction labels of "D," and "F," lines (first two characters) and their axis codes.
struct DirectionLabel {
    const char* label;
    int axis;            // code of a fixed direction or a force
    int prescribedAxis;  // code of a nonzero prescribed displacement
};

const DirectionLabel kDisplacementLabels[] = {{"UX", 1, 4}, {"UY", 2, 5}, {"UZ", 6, 6}};
const DirectionLabel kForceLabels[] = {{"FX", 1, 1}, {"FY", 2, 2}, {"FZ", 6, 6}};

template <size_t N>
const DirectionLabel* findDirection(const DirectionLabel (&labels)[N], const char* label) {
    for (const DirectionLabel& candidate : labels)
        if (std::strncmp(label, candidate.label, 2) == 0) return &candidate;
    return nullptr;
}

// Fills a boundary condition from a "D," (isForce false) or "F," line.
BC parseBoundaryCondition(const std::string& line, bool isForce, std::ostream& console) {
    BC bc;
    char label[256] = "";  // a piece holds at most 254 characters, so any word fits
    scanText(fromPosition(line, 2), "%d, %255s", &bc.node, label);
    // The value follows the comma after the label, whatever the width of the node field: the
    // archives of today write node numbers wider than those of the older releases.
    const char* afterNode = std::strchr(fromPosition(line, 2), ',');
    const char* afterLabel = afterNode == nullptr ? nullptr : std::strchr(afterNode + 1, ',');
    if (afterLabel != nullptr) scanText(afterLabel + 1, "%lf", &bc.value);

    const DirectionLabel* direction =
        isForce ? findDirection(kForceLabels, label) : findDirection(kDisplacementLabels, label);
    if (direction == nullptr) {
        console << formatText("Unconverted boundary condition (%s) \n", label);
        bc.type = BC::kDropped;
        bc.value = 0.0;
        return bc;
    }
    if (isForce) {
        bc.type = BC::kForce;
        bc.axis = direction->axis;
    } else if (bc.value == 0.0) {
        bc.type = BC::kFixed;
        bc.axis = direction->axis;
    } else {
        bc.type = BC::kDisplacement;
        bc.axis = direction->prescribedAxis;
    }
    return bc;
}

// Materials from "MPDATA" lines.
class MaterialReader : public ArchiveReader {
  public:
    explicit MaterialReader(Data& dat) : dat_(dat) {}

    void take(const std::string& line) override {
        if (!startsWith(line, "MPDATA")) return;
        MaterialLine parsed = parseMaterialLine(line);
        // Only the first temperature of a table is translated.
        if (parsed.continuesTable()) return;
        if (parsed.valueCount != 1) {
            console() << "Material properties not translated properly\n";
            if (parsed.valueCount > 1)
                console() << formatText(
                    "  material %d %s: the value at the first temperature is used\n",
                    parsed.material, parsed.bareLabel().c_str());
        }

        auto [entry, isNew] = materialById_.emplace(parsed.material, dat_.mats.size());
        if (isNew) {
            Material material;
            material.id = parsed.material;
            dat_.mats.push_back(material);
        }
        Material& material = dat_.mats[entry->second];

        bool hasNuxy = dat_.materialsWithNuxy.count(parsed.material) > 0;
        const PropertyLabel* property = nullptr;
        for (const PropertyLabel& candidate : kPropertyLabels) {
            if (parsed.label.compare(0, std::strlen(candidate.label), candidate.label) == 0) {
                if (!(candidate.unlessNuxyGiven && hasNuxy)) property = &candidate;
                break;
            }
        }
        if (property != nullptr)
            material.*(property->field) = parsed.value;
        else
            console() << formatText("Unconverted material data (%s) \n", parsed.label.c_str());

        if (dat_.numMats() > dat_.maxMats) throw FatalError("Material allocation exceeded\n");
    }

  private:
    Data& dat_;
    std::unordered_map<int, size_t> materialById_;
};

// Nodal boundary conditions from "D," and "F," lines.
class BoundaryConditionReader : public ArchiveReader {
  public:
    explicit BoundaryConditionReader(Data& dat) : dat_(dat) {}

    void take(const std::string& line) override {
        bool isConstraint = startsWith(line, "D,");
        bool isForce = startsWith(line, "F,");
        if (isConstraint || isForce)
            dat_.bcs.push_back(parseBoundaryCondition(line, isForce, console()));
        if (dat_.numBCs() > dat_.maxBCs)
            throw FatalError("Boundary condition allocation exceeded\n");
    }

  private:
    Data& dat_;
};

}  // namespace

std::unique_ptr<ArchiveReader> Data::materialReader() {
    return std::make_unique<MaterialReader>(*this);
}

std::unique_ptr<ArchiveReader> Data::boundaryConditionReader() {
    return std::make_unique<BoundaryConditionReader>(*this);
}
