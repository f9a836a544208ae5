// Reader of the legacy ZENTA2D(L) input file, single-model and layered forms.
#pragma once

#include <istream>
#include <string>

#include "plot_model.h"

namespace zentaplot {

// Node lines carry any ids in any order; element slots and section records name nodes by
// those ids (a later line with the same id takes it over; 0 names no node). Columns and
// spacing are free. Raises PlotError on a malformed file.
PlotModel ReadLegacyModel(std::istream& in, const std::string& file_name);

}  // namespace zentaplot
