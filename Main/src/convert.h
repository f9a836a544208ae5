// Conversion of a legacy ZENTA2D(L) input file into the current ZENTA2D input format.
#pragma once

#include <istream>
#include <ostream>

#include "migrate_error.h"

namespace Zenta2D {

// Reads the whole legacy file from in (rewinding it first) and writes the current file to out.
// Nodes and elements are renumbered 1, 2, ... in file order within each layer and every node
// reference is translated. Throws FormatError on a malformed file; what was written to out
// before the failure stays there (callers write through a ReplacingFile and discard it).
void ConvertFiles(std::istream& in, std::ostream& out);

}  // namespace Zenta2D
