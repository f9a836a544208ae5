// Reader of the real constant sets of an archive: "R," lines
//   R,       1,  5.00000000    ,
// and "RLBLOCK" blocks, as CDWRITE writes them:
//   RLBLOCK,       1,       2,       6,       7      (sets, largest set, most values, per row)
//   (2i8,6g16.9)
//   (7g16.9)
//          2       6  1.00000000     0.566900000E-07  0.00000000  ...
// Per set a row of set number, value count and up to 6 values, then continuation rows of up to
// 7 values while values remain; the block has no end line. Only the first value of a set is
// kept: it is the thickness of a plane stress element with thickness.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "command_fields.h"
#include "data.h"
#include "line_reader.h"

namespace {

constexpr int kValuesOnFirstRow = 6;
constexpr int kDefaultValuesPerRow = 7;

// Stores the first value of a set, or forgets the set when it has none: a later definition of
// a set replaces an earlier one.
void defineSet(std::unordered_map<int, double>& sets, int set, bool hasValue, double first) {
    if (hasValue)
        sets[set] = first;
    else
        sets.erase(set);
}

void readRealConstantLine(const std::string& line, std::unordered_map<int, double>& sets) {
    std::vector<std::string> fields = commaFields(line);
    int set = 0;
    if (!integerField(fieldAt(fields, 1), set)) return;
    double first = 0.0;
    numberField(fieldAt(fields, 2), first);  // a blank first value is 0
    defineSet(sets, set, fields.size() > 2, first);
}

// The next row of a block: format lines and blank lines are passed over; a command line ends
// the block and is read again by the reader's next call.
bool nextBlockRow(LineReader& reader, std::string& row) {
    while (reader.next(row)) {
        if (isCommandLine(row)) {
            reader.unread(row);
            return false;
        }
        if (isNumberRow(row)) return true;
    }
    return false;
}

void readRealConstantBlock(const std::string& keywordLine, LineReader& reader,
                           std::unordered_map<int, double>& sets) {
    std::vector<std::string> header = commaFields(keywordLine);
    int setCount = 0, valuesPerRow = 0;
    integerField(fieldAt(header, 1), setCount);
    if (!integerField(fieldAt(header, 4), valuesPerRow) || valuesPerRow <= 0)
        valuesPerRow = kDefaultValuesPerRow;
    std::string row;
    for (int k = 0; k < setCount && nextBlockRow(reader, row); ++k) {
        int set = 0, count = 0, consumed = 0;
        if (std::sscanf(row.c_str(), "%d %d%n", &set, &count, &consumed) != 2) continue;
        char* end = nullptr;
        double first = std::strtod(row.c_str() + consumed, &end);
        defineSet(sets, set, count > 0 && end != row.c_str() + consumed, first);
        // Continuation rows of the values after the sixth.
        for (long remaining = static_cast<long>(count) - kValuesOnFirstRow; remaining > 0;
             remaining -= valuesPerRow)
            if (!nextBlockRow(reader, row)) return;
    }
}

}  // namespace

void Data::readRealConstants(std::istream& cdbFile) {
    LineReader reader(cdbFile);
    std::string line;
    while (reader.next(line)) {
        if (startsWith(line, "R,"))
            readRealConstantLine(line, realConstants);
        else if (startsWith(line, "RLBLOCK"))
            readRealConstantBlock(line, reader, realConstants);
    }
}
