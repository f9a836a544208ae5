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
#include <cstdlib>
#include <string>
#include <vector>

#include "archive_pass.h"
#include "command_fields.h"
#include "data.h"
#include "line_reader.h"
#include "scan_text.h"

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

// Real constant sets from "R," lines and "RLBLOCK" blocks.
class RealConstantReader : public ArchiveReader {
  public:
    explicit RealConstantReader(std::unordered_map<int, double>& sets) : sets_(sets) {}

    void take(const std::string& piece) override {
        if (takeBlockRow(piece)) return;
        if (startsWith(piece, "R,"))
            readRealConstantLine(piece, sets_);
        else if (startsWith(piece, "RLBLOCK"))
            enterBlock(piece);
    }

  private:
    void enterBlock(const std::string& keywordLine) {
        std::vector<std::string> header = commaFields(keywordLine);
        setsLeft_ = 0;
        integerField(fieldAt(header, 1), setsLeft_);
        if (!integerField(fieldAt(header, 4), valuesPerRow_) || valuesPerRow_ <= 0)
            valuesPerRow_ = kDefaultValuesPerRow;
        continuationRows_ = 0;
    }

    // A piece of the block: format lines and blank lines are passed over, a command line ends
    // the block (false: the caller reads it as a line). Each set has a row of its set number,
    // value count and first values, then continuation rows of the values after the sixth.
    bool takeBlockRow(const std::string& piece) {
        if (setsLeft_ <= 0 && continuationRows_ == 0) return false;
        if (isCommandLine(piece)) {
            setsLeft_ = 0;
            continuationRows_ = 0;
            return false;
        }
        if (!isNumberRow(piece)) return true;
        if (continuationRows_ > 0) {
            --continuationRows_;
            return true;
        }
        --setsLeft_;
        int set = 0, count = 0, consumed = 0;
        if (scanText(piece.c_str(), "%d %d%n", &set, &count, &consumed) != 2) return true;
        char* end = nullptr;
        double first = std::strtod(piece.c_str() + consumed, &end);
        defineSet(sets_, set, count > 0 && end != piece.c_str() + consumed, first);
        if (count > kValuesOnFirstRow)
            continuationRows_ =
                (static_cast<long>(count) - kValuesOnFirstRow + valuesPerRow_ - 1) / valuesPerRow_;
        return true;
    }

    std::unordered_map<int, double>& sets_;
    int setsLeft_ = 0;  // set rows still to come
    int valuesPerRow_ = kDefaultValuesPerRow;
    long continuationRows_ = 0;  // rows still to pass over for the set just read
};

}  // namespace

std::unique_ptr<ArchiveReader> Data::realConstantReader() {
    return std::make_unique<RealConstantReader>(realConstants);
}
