// The lines of an input file as the readers walk them: line numbers, fields, number
// conversion, and the one-line message that names the file and the line.
#pragma once

#include <istream>
#include <string>

#include "FileIterator.h"

namespace zentaplot {

class RecordLines {
  public:
    RecordLines(std::istream& in, std::string file_name);

    // Makes the first line current; false when the file has no line at all.
    bool First();
    // Makes the next line current; false when the file has ended before it.
    bool Next();

    int Fields() { return lines_.Len(); }
    const char* Field(int i) { return lines_[i].AsStr(); }
    const char* Raw() const { return lines_.Buff(); }

    // Field i as an integer or a real, by the C atoi and atof rules (a field that does not
    // start with a number reads as its numeric prefix or 0). Integers beyond the int range and
    // reals that are not finite or beyond 1e30 in size are rejected: no model needs them, and
    // they would overflow the drawing arithmetic.
    int Int(int i);
    double Real(int i);

    // Throws the error "FILE: line N: what" for the current line.
    [[noreturn]] void Fail(const std::string& what) const;

  private:
    ZTools::FileIterator lines_;
    std::string file_name_;
    int line_number_ = 0;
};

}  // namespace zentaplot
