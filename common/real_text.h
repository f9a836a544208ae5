// Text forms of reals that read back as exactly the double they came from, for the outputs
// in which no digit may be lost (node coordinates of a crack tip far from the origin, loads
// like 1/6).
#pragma once

#include <string>

namespace zenta {

// The shortest text that strtod reads back as `value`: plain or exponent notation, whichever
// is shorter ("0.1", "12345.67891", "1e+20", "-0").
std::string ShortestReal(double value);

// The text of printf "%g" when it reads back as `value`, the shortest text otherwise: keeps
// the bytes of "%g" for every value of six significant digits or fewer.
std::string GeneralOrShortest(double value);

}  // namespace zenta
