// Decimal digits of doubles by exact integer arithmetic, against the C library's own.
#include "decimal_digits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace zenta {
namespace {

// Digits, count and exponent as text: "125/3/0".
std::string text_of(const DecimalDigits& digits) {
    return std::to_string(digits.significand) + "/" + std::to_string(digits.count) + "/" +
           std::to_string(digits.exponent);
}

// The same from printf "%.*e" with count - 1 decimals.
std::string printf_digits(double value, int count) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", count - 1, value);
    std::string significand;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.') significand += *p;
    return std::to_string(std::stoull(significand)) + "/" + std::to_string(count) + "/" +
           std::to_string(std::atoi(p + 1));
}

// The shortest digits from std::to_chars in exponent notation, trailing zeros dropped.
std::string to_chars_shortest_digits(double value) {
    char text[64];
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    *end = '\0';
    std::string significand;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.') significand += *p;
    return significand + "/" + std::to_string(significand.size()) + "/" +
           std::to_string(std::atoi(p + 1));
}

TEST(RoundToDigits, RoundsToNearestWithTiesToEvenAndCarries) {
    const struct {
        double value;
        int count;
        const char* digits;
    } cases[] = {
        {1.25, 3, "125/3/0"},
        {0.0125, 3, "125/3/-2"},
        {1.25, 7, "1250000/7/0"},  // trailing zeros kept
        {0.125, 2, "12/2/-1"},     // a tie goes to the even digit
        {0.375, 2, "38/2/-1"},
        {1234567.5, 7, "1234568/7/6"},
        {1048576.5, 7, "1048576/7/6"},
        {9.9999996, 7, "1000000/7/1"},  // rounding up carries into a new decade
        {999999.5, 6, "100000/6/6"},
        {0.1, 17, "10000000000000001/17/-1"},  // the double nearest 0.1, exactly rounded
        {2e-21, 7, "2000000/7/-21"},
        {123.0, 1, "1/1/2"},
    };
    for (const auto& c : cases) {
        DecimalDigits digits;
        ASSERT_TRUE(RoundToDigits(c.value, c.count, digits)) << c.value;
        EXPECT_EQ(text_of(digits), c.digits) << c.value;
    }
}

// Zero, negative numbers, infinities, NaN, subnormal numbers and values beyond the range of the
// 128-bit arithmetic are the library's.
TEST(RoundToDigits, LeavesOtherValuesToTheLibrary) {
    const double inf = std::numeric_limits<double>::infinity();
    DecimalDigits digits;
    for (double value : {0.0, -0.0, -1.0, inf, -inf, inf - inf, 5e-324, 1e-300, 1e300, 1e-22, 1e35})
        EXPECT_FALSE(RoundToDigits(value, 7, digits)) << value;
    EXPECT_FALSE(RoundToDigits(1.0, 0, digits));
    EXPECT_FALSE(RoundToDigits(1.0, 18, digits));
}

// Every count of digits, on values of every magnitude the arithmetic takes, as printf rounds
// them: random bits, halves (exact ties) and values near powers of ten.
TEST(RoundToDigits, AgreesWithPrintf) {
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> unit(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-21, 27);
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        const double values[] = {unit(random) * std::pow(10.0, decade(random)),
                                 std::ldexp(static_cast<double>(random() % 100000000), -7) + 0.5,
                                 std::nextafter(std::pow(10.0, decade(random)), 0.0)};
        for (double value : values) {
            for (int count = 1; count <= 17; ++count) {
                DecimalDigits digits;
                if (!RoundToDigits(value, count, digits)) continue;
                ASSERT_EQ(text_of(digits), printf_digits(value, count)) << value << " " << count;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 900000);  // nearly all of them are in range
}

TEST(ShortestDigits, GivesTheFewestDigitsThatReadBack) {
    const struct {
        double value;
        const char* digits;
    } cases[] = {
        {0.1, "1/1/-1"},
        {0.3, "3/1/-1"},
        {0.1 + 0.2, "30000000000000004/17/-1"},
        {1.0 / 3.0, "3333333333333333/16/-1"},
        {100.0, "1/1/2"},
        {12345.67891, "1234567891/10/4"},
        {999999999999999.9, "9999999999999999/16/14"},
    };
    for (const auto& c : cases) {
        DecimalDigits digits;
        ASSERT_TRUE(ShortestDigits(c.value, digits)) << c.value;
        EXPECT_EQ(text_of(digits), c.digits) << c.value;
    }
    DecimalDigits digits;
    // Powers of two (the next lower double is nearer), 1e15 and beyond, and tiny values.
    for (double value :
         {1.0, 0.5, 1024.0, 1e15, 999999999999999.94, 1e20, 1e-12, 0.0, -0.1, 5e-324})
        EXPECT_FALSE(ShortestDigits(value, digits)) << value;
}

TEST(ShortestDigits, AgreesWithToChars) {
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> unit(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-11, 14);
    std::uniform_int_distribution<int> figures(1, 17);
    int compared = 0;
    for (int i = 0; i < 100000; ++i) {
        // A value of random bits, and one read from a decimal of few digits.
        char text[64];
        std::snprintf(text, sizeof text, "%.*e", figures(random) - 1,
                      unit(random) * std::pow(10.0, decade(random)));
        for (double value : {unit(random) * std::pow(10.0, decade(random)), std::atof(text)}) {
            DecimalDigits digits;
            if (!ShortestDigits(value, digits)) continue;
            ASSERT_EQ(text_of(digits), to_chars_shortest_digits(value)) << text;
            ++compared;
        }
    }
    EXPECT_GT(compared, 190000);
}

TEST(DecimalDigits, TrailingZerosDropToOneDigit) {
    EXPECT_EQ(text_of(WithoutTrailingZeros({1250000, 7, 0})), "125/3/0");
    EXPECT_EQ(text_of(WithoutTrailingZeros({1000000, 7, 2})), "1/1/2");
    EXPECT_EQ(text_of(WithoutTrailingZeros({7, 1, 0})), "7/1/0");
}

}  // namespace
}  // namespace zenta
