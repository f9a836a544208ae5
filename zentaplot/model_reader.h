// Reads an input file of either form, telling them apart by their content.
#pragma once

#include <istream>
#include <string>

#include "plot_model.h"

namespace zentaplot {

// A file that reads as a current file (its layout and numbering, see current_reader.h) is
// one; any other is read as a legacy file. Both forms share their record structure, so a
// malformed file gets the same message either way. `in` must be seekable (it may be read
// twice). Raises PlotError ("FILE: line N: what").
PlotModel ReadModel(std::istream& in, const std::string& file_name);

}  // namespace zentaplot
