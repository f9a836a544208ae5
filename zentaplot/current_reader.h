// Reader of the current ZENTA2D input file, as the converter writes it.
#pragma once

#include <istream>
#include <string>

#include "plot_model.h"

namespace zentaplot {

// Raised when the text departs from the current form's layout or numbering; the text may
// still be a legacy file.
struct NotCurrentForm {};

// The current form: every line's fields separated by single blanks, with no blank before the
// first or after the last; element and node lines numbered 1, 2, ... in file order within
// each layer, and node references naming node lines by those numbers (0 names no node).
// Raises NotCurrentForm at the first departure, PlotError on a malformed file.
PlotModel ReadCurrentModel(std::istream& in, const std::string& file_name);

}  // namespace zentaplot
