// Reader of the pressures on element faces: "SFE," lines and "SFEBLOCK" blocks.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

#include "command_fields.h"
#include "data.h"
#include "line_reader.h"
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

// Reads an "SFE," line (and the line of values after it, when its sixth field is text such as
// "R5.0"). Returns false when the line names no element and face, or has no values.
bool readSurfaceLoadLine(const std::string& line, LineReader& reader, SurfaceLoad& load,
                         std::string& label) {
    std::vector<std::string> fields = commaFields(line);
    label = fieldAt(fields, 3);
    bool named = integerField(fieldAt(fields, 1), load.element) &&
                 integerField(fieldAt(fields, 2), load.face);
    std::string kind = fieldAt(fields, 4);
    if (!kind.empty() && !integerField(kind, load.kind)) named = false;
    load.kind = kindOf(load.kind);

    std::string firstValue = fieldAt(fields, 5);
    if (!firstValue.empty() && !numberField(firstValue, load.values[0])) {
        std::string values;
        if (!reader.next(values)) return false;
        if (isCommandLine(values)) {
            reader.unread(values);
            return false;
        }
        completeValues(load.values, readValues(values.c_str(), load.values));
        return named;
    }
    // Values on the line: a blank value 2, 3 or 4 equals value 1.
    numberField(firstValue, load.values[0]);
    for (int k = 1; k < kValues; ++k)
        if (!numberField(fieldAt(fields, 5 + k), load.values[k])) load.values[k] = load.values[0];
    return named;
}

// Reads an "SFEBLOCK" row: element, face, kind, values. Returns false for a row without the
// three numbers.
bool readSurfaceLoadRow(const std::string& row, SurfaceLoad& load) {
    int consumed = 0;
    if (std::sscanf(row.c_str(), "%d %d %d%n", &load.element, &load.face, &load.kind, &consumed) !=
        3)
        return false;
    load.kind = kindOf(load.kind);
    completeValues(load.values, readValues(row.c_str() + consumed, load.values));
    return true;
}

}  // namespace

bool isSurfaceLoadLine(const std::string& line) {
    if (!startsWith(line, "SFE,")) return false;
    return !sameWord(fieldAt(commaFields(line), 1), "END");
}

void Data::readSurfaceLoads(std::istream& cdbFile) {
    LineReader reader(cdbFile);
    PressureTable pressures(surfaceLoads);
    std::string line, label;
    while (reader.next(line)) {
        if (startsWith(line, "SFEBLOCK")) {
            bool isPressure = sameWord(fieldAt(commaFields(line), 2), "PRES");
            forEachBlockRow(reader, [&](const std::string& row) {
                SurfaceLoad load;
                if (isPressure && readSurfaceLoadRow(row, load))
                    pressures.add(load);
                else
                    ++surfaceLoads.untranslated;
            });
        } else if (isSurfaceLoadLine(line)) {
            SurfaceLoad load;
            if (readSurfaceLoadLine(line, reader, load, label) && sameWord(label, "PRES"))
                pressures.add(load);
            else
                ++surfaceLoads.untranslated;
        }
    }
}
