// Reader of the pressures on element faces: "SFE," lines and "SFEBLOCK" blocks.
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

#include "archive_pass.h"
#include "command_fields.h"
#include "data.h"
#include "line_reader.h"
#include "scan_text.h"
#include "surface_loads.h"

namespace {

constexpr int kValues = 4;

// Up to four values read one after the other from `text`; returns how many were read.
int readValues(const char* text, double (&values)[kValues]) {
    int count = 0;
    while (count < kValues) {
        char* end = nullptr;
        double value = std::strtod(text, &end);
        if (end == text) break;
        values[count++] = value;
        text = end;
    }
    return count;
}

// Values 2 to 4 that a row leaves out equal value 1.
void completeValues(double (&values)[kValues], int given) {
    for (int k = given; k < kValues; ++k) values[k] = given == 0 ? 0.0 : values[0];
}

// Collects the pressures; a later load on the same element, face and kind replaces the values
// of the earlier one.
class PressureTable {
  public:
    explicit PressureTable(SurfaceLoads& loads) : loads_(loads) {}

    void add(const SurfaceLoad& load) {
        Key key{load.element, load.face, load.kind};
        auto [entry, isNew] = indexByKey_.emplace(key, loads_.pressures.size());
        if (isNew)
            loads_.pressures.push_back(load);
        else
            loads_.pressures[entry->second] = load;
    }

  private:
    struct Key {
        int element, face, kind;
        bool operator==(const Key& other) const {
            return element == other.element && face == other.face && kind == other.kind;
        }
    };
    struct KeyHash {
        size_t operator()(const Key& key) const {
            size_t hash = std::hash<int>()(key.element);
            hash = hash * 1000003u ^ std::hash<int>()(key.face);
            return hash * 1000003u ^ std::hash<int>()(key.kind);
        }
    };

    SurfaceLoads& loads_;
    std::unordered_map<Key, size_t, KeyHash> indexByKey_;
};

// Kind 0, like a blank kind, is the real value.
int kindOf(int kind) {
    return kind == 0 ? SurfaceLoad::kReal : kind;
}

// Reads an "SFE," line into `load` and `label`; `named` tells whether it names an element and
// face. Returns false when the values stand on the next line (the line's sixth field is text
// such as "R5.0").
bool readSurfaceLoadLine(const std::string& line, SurfaceLoad& load, std::string& label,
                         bool& named) {
    std::vector<std::string> fields = commaFields(line);
    label = fieldAt(fields, 3);
    named = integerField(fieldAt(fields, 1), load.element) &&
            integerField(fieldAt(fields, 2), load.face);
    std::string kind = fieldAt(fields, 4);
    if (!kind.empty() && !integerField(kind, load.kind)) named = false;
    load.kind = kindOf(load.kind);

    std::string firstValue = fieldAt(fields, 5);
    if (!firstValue.empty() && !numberField(firstValue, load.values[0])) return false;
    // Values on the line: a blank value 2, 3 or 4 equals value 1.
    numberField(firstValue, load.values[0]);
    for (int k = 1; k < kValues; ++k)
        if (!numberField(fieldAt(fields, 5 + k), load.values[k])) load.values[k] = load.values[0];
    return true;
}

// Reads an "SFEBLOCK" row: element, face, kind, values. Returns false for a row without the
// three numbers.
bool readSurfaceLoadRow(const std::string& row, SurfaceLoad& load) {
    int consumed = 0;
    if (scanText(row.c_str(), "%d %d %d%n", &load.element, &load.face, &load.kind, &consumed) != 3)
        return false;
    load.kind = kindOf(load.kind);
    completeValues(load.values, readValues(row.c_str() + consumed, load.values));
    return true;
}

// Pressures from "SFE," lines and "SFEBLOCK" rows; the others are counted as not translated.
class SurfaceLoadReader : public ArchiveReader {
  public:
    explicit SurfaceLoadReader(SurfaceLoads& loads) : loads_(loads), pressures_(loads) {}

    void take(const std::string& piece) override {
        if (valuesNext_ && takeValueLine(piece)) return;
        auto addRow = [this](const std::string& row) {
            SurfaceLoad load;
            if (blockIsPressure_ && readSurfaceLoadRow(row, load))
                pressures_.add(load);
            else
                ++loads_.untranslated;
        };
        if (blockRows_.take(piece, addRow)) return;
        if (startsWith(piece, "SFEBLOCK")) {
            blockIsPressure_ = sameWord(fieldAt(commaFields(piece), 2), "PRES");
            blockRows_.enter();
        } else if (isSurfaceLoadLine(piece)) {
            lineLoad_ = SurfaceLoad();
            valuesNext_ = !readSurfaceLoadLine(piece, lineLoad_, label_, named_);
            if (!valuesNext_) addLine(named_);
        }
    }

    // An "SFE," line whose values were to follow at the end of the archive has none.
    void finish() override {
        if (valuesNext_) addLine(false);
        valuesNext_ = false;
    }

  private:
    // The line of values after an "SFE," line; a command line in its place leaves the "SFE,"
    // line without values (false: the caller reads it as a line).
    bool takeValueLine(const std::string& piece) {
        valuesNext_ = false;
        if (isCommandLine(piece)) {
            addLine(false);
            return false;
        }
        completeValues(lineLoad_.values, readValues(piece.c_str(), lineLoad_.values));
        addLine(named_);
        return true;
    }

    void addLine(bool complete) {
        if (complete && sameWord(label_, "PRES"))
            pressures_.add(lineLoad_);
        else
            ++loads_.untranslated;
    }

    SurfaceLoads& loads_;
    PressureTable pressures_;
    BlockRows blockRows_;
    bool blockIsPressure_ = false;  // the label of the block being read is PRES
    // The "SFE," line being read.
    SurfaceLoad lineLoad_;
    std::string label_;
    bool named_ = false;       // it names an element and a face
    bool valuesNext_ = false;  // its values are on the next line
};

}  // namespace

bool isSurfaceLoadLine(const std::string& line) {
    if (!startsWith(line, "SFE,")) return false;
    return !sameWord(fieldAt(commaFields(line), 1), "END");
}

std::unique_ptr<ArchiveReader> Data::surfaceLoadReader() {
    return std::make_unique<SurfaceLoadReader>(surfaceLoads);
}
