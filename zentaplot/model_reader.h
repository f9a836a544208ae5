// Reads an input file of either form, telling them apart by their content.
#pragma once

#include <istream>
#include <string>

#include "plot_model.h"

namespace zentaplot {

// Both forms share their record structure: title, counts, materials, layers of element and
// node lines, and a boundary-condition part after a layer. They differ only in how they are
// written. A current file, as the converter writes it, has every line's fields separated by
// single blanks (none before the first or after the last field, no tab) and its element and
// node lines numbered 1, 2, ... in file order within each layer. Any other file is legacy: its
// node lines carry any ids in any order and columns and spacing are free.
//
// In either form a node reference names the layer's node line of that number (a later line
// with the same number takes it over; 0 names no node), so one reading serves both, and the
// form is known once the whole file has been read. A malformed file gets the same message
// either way. Raises PlotError ("FILE: line N: what").
PlotModel ReadModel(std::istream& in, const std::string& file_name);

}  // namespace zentaplot
