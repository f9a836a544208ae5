// The decimal digits of a double, worked out with exact integer arithmetic.
//
// A positive normal double is N x 2^k with N an integer of 53 bits. Scaled by a power of ten,
// x 10^t = N x 5^t x 2^(k+t) is a fraction whose numerator and denominator are a 53-bit
// integer times a power of five and a power of two; for values from about 1e-21 to 1e28 both
// fit in 128 bits, and its integer part and remainder give the digits and the exact rounding.
#include "decimal_digits.h"

#include <array>
#include <cstring>

namespace zenta {

#ifdef __SIZEOF_INT128__

namespace {

using Wide = unsigned __int128;

constexpr int kMaxFivePower = 27;  // 5^27 < 2^63
constexpr int kMaxDigits = 17;     // enough for every double to read back

template <std::size_t N>
constexpr std::array<std::uint64_t, N> powers_of(std::uint64_t base) {
    std::array<std::uint64_t, N> powers{};
    std::uint64_t power = 1;
    for (std::size_t i = 0; i < N; ++i, power *= base) powers[i] = power;
    return powers;
}
constexpr auto kPowersOfFive = powers_of<kMaxFivePower + 1>(5);
constexpr auto kPowersOfTen = powers_of<kMaxDigits + 2>(10);

constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;

// A positive normal double: significand x 2^exponent, 2^52 <= significand < 2^53.
struct Binary {
    std::uint64_t significand = 0;
    int exponent = 0;
};

// False for zero, subnormal numbers, infinities and NaN (and negative numbers).
bool to_binary(double value, Binary& binary) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);  // the sign bit makes it out of range
    if (biased == 0 || biased >= 0x7ff) return false;
    binary.significand = (bits & (kHiddenBit - 1)) | kHiddenBit;
    binary.exponent = biased - 1075;
    return true;
}

// Bit lengths of the powers of five.
constexpr std::array<int, kMaxFivePower + 1> bit_lengths_of_fives() {
    std::array<int, kMaxFivePower + 1> lengths{};
    for (std::size_t t = 0; t < lengths.size(); ++t)
        for (std::uint64_t power = kPowersOfFive[t]; power != 0; power >>= 1) ++lengths[t];
    return lengths;
}
constexpr auto kFiveBitLengths = bit_lengths_of_fives();

constexpr int kSignificandBits = 53;

template <typename Unsigned>
constexpr int kUsableBits = sizeof(Unsigned) * 8 - 1;  // one kept free, so that sums fit

int bit_length(std::uint64_t value) {
    return value != 0 ? 64 - __builtin_clzll(value) : 0;
}

// floor(e log10(2)) for |e| < 2620, the decimal exponent of 2^e.
int floor_log10_of_power_of_two(int e) {
    constexpr int kFactor = 315653;  // log10(2) x 2^20, rounded so that the floor is exact
    constexpr int kShift = 20;
    const int product = e * kFactor;
    return product >= 0 ? product >> kShift : -((-product + (1 << kShift) - 1) >> kShift);
}

// x 10^t = quotient + remainder / denominator, and the distance between x and its neighbour
// doubles (the unit in the last place) in units of 1 / denominator, scaled alike, in integers
// of type Unsigned.
template <typename Unsigned>
struct Scaled {
    std::uint64_t quotient = 0;
    Unsigned remainder = 0;
    Unsigned denominator = 1;
    Unsigned ulp = 0;
};

// x 10^t for x = significand x 2^exponent (the unit in the last place being 2^exponent);
// false when it does not fit the arithmetic of Unsigned, or its integer part 64 bits.
template <typename Unsigned>
bool scale(std::uint64_t significand, int exponent, int t, Scaled<Unsigned>& scaled) {
    if (t > kMaxFivePower || t < -kMaxFivePower) return false;
    const std::size_t power = static_cast<std::size_t>(t >= 0 ? t : -t);
    const std::uint64_t five = kPowersOfFive[power];
    const int two = exponent + t;  // the power of two of x 10^t
    const int numerator_bits = bit_length(significand) + (t >= 0 ? kFiveBitLengths[power] : 0);
    const int denominator_bits = t >= 0 ? 1 : kFiveBitLengths[power];
    if (numerator_bits > kUsableBits<Unsigned> || denominator_bits > kUsableBits<Unsigned>)
        return false;
    Unsigned numerator = Unsigned{significand} * (t >= 0 ? five : 1);
    Unsigned denominator = t >= 0 ? 1 : five;
    scaled.ulp = t >= 0 ? five : 1;
    if (two >= 0) {
        if (numerator_bits + two > kUsableBits<Unsigned>) return false;
        numerator <<= two;
        scaled.ulp <<= two;
    } else {
        if (denominator_bits - two > kUsableBits<Unsigned>) return false;
        denominator <<= -two;
    }
    // A denominator that is a power of two divides by a shift.
    const Unsigned quotient = t >= 0 ? numerator >> (two >= 0 ? 0 : -two) : numerator / denominator;
    if (sizeof(Unsigned) > sizeof(std::uint64_t) && (quotient >> 63 >> 1) != 0) return false;
    scaled.quotient = static_cast<std::uint64_t>(quotient);
    scaled.remainder = numerator - quotient * denominator;
    scaled.denominator = denominator;
    return true;
}

// x 10^t with `count` digits before the point, and the decimal exponent of x's first digit.
// x lies in [2^e, 2^(e+1)), so that exponent is floor(e log10(2)) or one more; in the second
// case the fraction is divided by ten.
template <typename Unsigned>
bool scale_to_digits(std::uint64_t significand, int exponent_of_two, int count, int& exponent,
                     Scaled<Unsigned>& scaled) {
    exponent = floor_log10_of_power_of_two(exponent_of_two + bit_length(significand) - 1);
    if (!scale(significand, exponent_of_two, count - 1 - exponent, scaled)) return false;
    if (scaled.quotient < kPowersOfTen[static_cast<std::size_t>(count)]) return true;
    if (scaled.denominator >> (kUsableBits<Unsigned> - 4) != 0) return false;
    ++exponent;
    scaled.remainder += (scaled.quotient % 10) * scaled.denominator;
    scaled.quotient /= 10;
    scaled.denominator *= 10;  // the unit in the last place stays the same number of units
    return true;
}

// A rounded significand that reached 10^count is 10^(count - 1) one decade up.
DecimalDigits carried(std::uint64_t significand, int count, int exponent) {
    if (significand == kPowersOfTen[static_cast<std::size_t>(count)])
        return {kPowersOfTen[static_cast<std::size_t>(count - 1)], count, exponent + 1};
    return {significand, count, exponent};
}

// Shortest forms are worked out here only below 1e15: there every integer is a double, so
// fixed notation writes the same digits as the shortest form with zeros after it.
constexpr int kLargestShortestExponent = 14;
// There the denominator stays far below this, so that a hundred of it fits.
constexpr int kSmallDenominatorBits = 120;

}  // namespace

namespace {

template <typename Unsigned>
bool round_in(std::uint64_t significand, int exponent_of_two, int count, DecimalDigits& digits) {
    int exponent = 0;
    Scaled<Unsigned> scaled;
    if (!scale_to_digits(significand, exponent_of_two, count, exponent, scaled)) return false;
    std::uint64_t rounded = scaled.quotient;
    const Unsigned rest = scaled.denominator - scaled.remainder;
    if (scaled.remainder > rest || (scaled.remainder == rest && (rounded & 1) != 0)) ++rounded;
    digits = carried(rounded, count, exponent);
    return true;
}

}  // namespace

// Without its trailing zero bits a short binary fraction (0.5, 166.5, most coordinates) scales
// within 64 bits; any other value takes 128.
bool RoundToDigits(double magnitude, int count, DecimalDigits& digits) {
    Binary x;
    if (count < 1 || count > kMaxDigits || !to_binary(magnitude, x)) return false;
    const int zeros = __builtin_ctzll(x.significand);
    return round_in<std::uint64_t>(x.significand >> zeros, x.exponent + zeros, count, digits) ||
           round_in<Wide>(x.significand, x.exponent, count, digits);
}

namespace {

// x rounded to the digits of `scaled` less those of Unit (a power of ten) into `digits`, when
// that reads back as x (false otherwise).
template <std::uint64_t Unit>
bool nearest_that_reads_back(const Scaled<Wide>& scaled, bool ties_read_back, int exponent,
                             DecimalDigits& digits) {
    std::uint64_t significand = scaled.quotient / Unit;
    // x 10^t less significand x Unit, and the whole Unit, in units of 1 / denominator.
    const Wide below =
        Wide{scaled.quotient - significand * Unit} * scaled.denominator + scaled.remainder;
    const Wide above = Wide{Unit} * scaled.denominator - below;
    const bool up = below > above || (below == above && (significand & 1) != 0);
    const Wide twice_distance = 2 * (up ? above : below);
    if (twice_distance > scaled.ulp || (twice_distance == scaled.ulp && !ties_read_back))
        return false;
    if (up) ++significand;
    const int count = kMaxDigits - (Unit == 100 ? 2 : Unit == 10 ? 1 : 0);
    digits = WithoutTrailingZeros(carried(significand, count, exponent));
    return true;
}

}  // namespace

// A decimal reads back as x when it lies within half a unit in the last place of x (on the
// boundary too when x's significand is even: reading rounds ties to even). Of the decimals
// with n digits the nearest to x is x rounded to n digits, so the shortest form is x rounded
// to the fewest digits that still read back. Any decimal of 15 digits or fewer that reads
// back is x rounded to 15 digits (with zeros after it), and 17 digits always read back: the
// digits are those of 15 digits when they read back, else of 16, else of 17. At a power of
// two the double below is nearer than the one above; that case is left to the library.
bool ShortestDigits(double magnitude, DecimalDigits& digits) {
    Binary x;
    int exponent = 0;
    Scaled<Wide> scaled;
    if (!to_binary(magnitude, x) || x.significand == kHiddenBit ||
        !scale_to_digits(x.significand, x.exponent, kMaxDigits, exponent, scaled) ||
        exponent > kLargestShortestExponent || scaled.denominator >> kSmallDenominatorBits != 0)
        return false;
    const bool ties_read_back = (x.significand & 1) == 0;
    const bool read_back = nearest_that_reads_back<100>(scaled, ties_read_back, exponent, digits) ||
                           nearest_that_reads_back<10>(scaled, ties_read_back, exponent, digits) ||
                           nearest_that_reads_back<1>(scaled, ties_read_back, exponent, digits);
    return read_back && digits.exponent <= kLargestShortestExponent;
}

#else  // without 128-bit integers every value goes to the library

bool RoundToDigits(double, int, DecimalDigits&) {
    return false;
}

bool ShortestDigits(double, DecimalDigits&) {
    return false;
}

#endif

// Eight zeros at a time, then four, two and one: a short value rounded to 15 digits has many.
namespace {

// Drops `Zeros` trailing zeros as often as the significand has them (a constant divisor is a
// multiplication, not a division).
template <int Zeros, std::uint64_t Unit>
void drop_zeros(DecimalDigits& digits) {
    while (digits.count > Zeros && digits.significand % Unit == 0) {
        digits.significand /= Unit;
        digits.count -= Zeros;
    }
}

}  // namespace

DecimalDigits WithoutTrailingZeros(DecimalDigits digits) {
    drop_zeros<8, 100000000>(digits);
    drop_zeros<4, 10000>(digits);
    drop_zeros<2, 100>(digits);
    drop_zeros<1, 10>(digits);
    return digits;
}

}  // namespace zenta
