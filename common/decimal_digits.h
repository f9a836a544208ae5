// The decimal digits of a double as the C library's conversions give them, worked out with
// exact integer arithmetic: the writers print hundreds of thousands of reals, and the library
// takes several hundred instructions for each. Only values whose exact arithmetic fits in
// 128-bit integers are done here (about 1e-21 to 1e28, normal numbers); for any other the
// functions answer false and the caller uses the library.
#pragma once

#include <cstdint>

namespace zenta {

// A positive value written as `count` decimal digits `significand` (no leading zero) with the
// first digit standing for 10^`exponent`: 1.25 is {125, 3, 0}, 0.0125 is {125, 3, -2}.
struct DecimalDigits {
    std::uint64_t significand = 0;
    int count = 0;
    int exponent = 0;
};

// `magnitude` (positive) rounded to `count` significant digits (1 to 17), to the nearest and
// ties to even as printf rounds "%e" and "%g"; the significand keeps its trailing zeros.
bool RoundToDigits(double magnitude, int count, DecimalDigits& digits);

// The fewest significant digits that read back as `magnitude` (positive), the ones nearest to
// it, as std::to_chars chooses them; trailing zeros dropped. Only for values below 1e15.
bool ShortestDigits(double magnitude, DecimalDigits& digits);

// The same value with the zeros at the end of its significand dropped (one digit stays).
DecimalDigits WithoutTrailingZeros(DecimalDigits digits);

}  // namespace zenta
