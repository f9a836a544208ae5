// The text of zenta::GeneralOrShortest without printf and strtod for the usual values.
#include "real_text_fast.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "real_text.h"

namespace Zenta2D {

namespace {

constexpr int kGeneralDigits = 6;  // significant digits of "%g"
constexpr long long kLeastSixDigits = 100000;
constexpr long long kMostSixDigits = 999999;
// Powers of ten up to 1e22 are exact doubles, so D * 10^e and D / 10^e (D below 2^53) round
// once, exactly as strtod rounds the text "De<e>".
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Magnitudes whose decimal exponent lies from -16 to 25, so that scaling them to six digits, and
// back, needs powers of ten up to 1e22 only.
constexpr struct { double least, most; } kFastRange{1e-16, 1e26};

// |value| as six digits D (100000 to 999999) times 10^(exponent - 5), when that reads back as
// value.
struct SixDigits {
    long long digits;
    int exponent;  // decimal exponent of the first digit, as "%e" writes it
};

// D * 10^(exponent - 5), rounded once.
double Scaled(long long digits, int exponent) {
    const int shift = exponent - (kGeneralDigits - 1);
    const double d = static_cast<double>(digits);
    return shift >= 0 ? d * kPowersOfTen[shift] : d / kPowersOfTen[-shift];
}

// The six digits nearest to |value| at the given exponent (value * 10^(5 - exponent), rounded).
long long NearestDigits(double magnitude, int exponent) {
    const int shift = (kGeneralDigits - 1) - exponent;
    const double scaled =
        shift >= 0 ? magnitude * kPowersOfTen[shift] : magnitude / kPowersOfTen[-shift];
    return std::llround(scaled);
}

// The six digits of |value| when they read back as value, which is exactly when "%g" reads
// back as value (its text being those digits); false when "%g" loses digits. For magnitudes
// of kFastRange only, where the scaling needs powers of ten up to 1e22.
bool AsSixDigits(double magnitude, SixDigits& six) {
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    long long digits = NearestDigits(magnitude, exponent);
    // log10 may miss by one next to a power of ten, and rounding may carry into a seventh
    // digit (999999.7 becomes 1000000): take the neighbouring exponent then.
    if (digits > kMostSixDigits) digits = NearestDigits(magnitude, ++exponent);
    if (digits < kLeastSixDigits) digits = NearestDigits(magnitude, --exponent);
    if (digits < kLeastSixDigits || digits > kMostSixDigits) return false;
    if (Scaled(digits, exponent) != magnitude) return false;
    six = {digits, exponent};
    return true;
}

// Writes the digits as "%g" writes them: fixed notation for exponents -4 to 5, else
// d.ddddde+XX; trailing zeros of the fraction dropped, and the point with them. Returns the end
// of the text, at most 13 characters ("-1.23457e-05").
char* WriteGeneral(char* p, bool negative, SixDigits six) {
    char digits[kGeneralDigits];
    std::to_chars(digits, digits + kGeneralDigits, six.digits);
    int count = kGeneralDigits;
    while (count > 1 && digits[count - 1] == '0') --count;
    const auto copy = [&p](const char* from, int n) {
        for (int i = 0; i < n; ++i) *p++ = from[i];
    };

    if (negative) *p++ = '-';
    const int exponent = six.exponent;
    if (exponent < -4 || exponent >= kGeneralDigits) {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = '.';
            copy(digits + 1, count - 1);
        }
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        const int size = std::abs(exponent);  // below 100 in the fast range
        *p++ = static_cast<char>('0' + size / 10);
        *p++ = static_cast<char>('0' + size % 10);
    } else if (exponent >= 0) {
        const int whole = exponent + 1;  // digits before the point, at most six
        copy(digits, whole);
        if (count > whole) {
            *p++ = '.';
            copy(digits + whole, count - whole);
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int zeros = -exponent - 1; zeros > 0; --zeros) *p++ = '0';
        copy(digits, count);
    }
    return p;
}

}  // namespace

void AppendGeneralOrShortest(std::string& text, double value) {
    const double magnitude = std::fabs(value);
    // Zero, infinities, NaNs and the extremes of the range: the reference itself.
    if (!(magnitude > kFastRange.least && magnitude < kFastRange.most)) {
        text += zenta::GeneralOrShortest(value);
        return;
    }
    SixDigits six;
    if (AsSixDigits(magnitude, six)) {
        char general[16];
        text.append(general, WriteGeneral(general, value < 0, six));
        return;
    }
    // "%g" loses digits: the shortest text that reads back exactly.
    char shortest[64];
    text.append(shortest, std::to_chars(shortest, shortest + sizeof shortest, value).ptr);
}

}  // namespace Zenta2D
