// zentaplot as a whole: arguments in, picture written, status out.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "command_line.h"

namespace zentaplot {

// Reads options.model, draws it into options.picture and prints the caption's faults line on
// `out`. Raises PlotError.
void PlotModelFile(const PlotOptions& options, std::ostream& out);

// The whole program: 0 when the picture was written (faults or not), 1 with a message on
// `err` otherwise; --help prints the usage on `out`.
int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zentaplot
