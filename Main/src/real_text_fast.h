// Reals as the converter writes them, fast.
#pragma once

#include <string>

namespace Zenta2D {

// Appends the text of zenta::GeneralOrShortest(value): "%g" when that reads back as value, the
// shortest exact text otherwise. The usual values take neither printf nor strtod.
void AppendGeneralOrShortest(std::string& text, double value);

}  // namespace Zenta2D
