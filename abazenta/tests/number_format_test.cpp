// Numbers appended exactly as printf formats them.
#include "number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace abazenta {
namespace {

std::string printf_of(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// What a formatting function writes, checked to stay within its room.
template <typename Format, typename Value>
std::string written(Format format, Value value) {
    char text[kNumberRoom + 1];
    const char* end = format(text, value);
    EXPECT_LE(end - text, static_cast<std::ptrdiff_t>(kNumberRoom));
    return std::string(text, static_cast<std::size_t>(end - text));
}

TEST(NumberFormat, IntegersAsPrintfWithAWidth) {
    for (int value : {0, 7, -7, 9, 10, 99, 100, -100, 9999, 10000, -10000, 123456, 999999999,
                      1000000000, INT_MAX, INT_MIN}) {
        for (int width : {0, 1, 4, 5, 12, 16}) {
            char expected[32];
            std::snprintf(expected, sizeof expected, "%*d", width, value);
            char text[kNumberRoom];
            const char* end = format_integer(text, value, width);
            EXPECT_EQ(std::string(text, static_cast<std::size_t>(end - text)), expected)
                << value << " " << width;
        }
    }
}

// Values a model holds: round and fractional coordinates, loads, tiny and huge values, both
// signs, and what arithmetic on them can give.
TEST(NumberFormat, RealsAsPrintfExponentAndGeneralForms) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  0.5,
                                  -0.5,
                                  10.0,
                                  2.5e-1,
                                  1e-7,
                                  -1e-7,
                                  125.0,
                                  0.125,
                                  1e16,
                                  -1e16,
                                  1e100,
                                  9.9999995e-5,
                                  0.99999949,
                                  999999.5,
                                  1234567.0,
                                  DBL_MIN,
                                  DBL_MAX,
                                  5e-324,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity()};
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 2000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (double value : values) {
        EXPECT_EQ(written(format_exponent, value), printf_of("%e", value));
        EXPECT_EQ(written(format_general, value), printf_of("%g", value));
    }
    const double nan =
        std::numeric_limits<double>::infinity() - std::numeric_limits<double>::infinity();
    for (double value : {nan, -nan}) {
        EXPECT_EQ(written(format_exponent, value), printf_of("%e", value));
        EXPECT_EQ(written(format_general, value), printf_of("%g", value));
    }
}

// The shortest form that reads back, as std::to_chars writes it: plain or exponent notation,
// whichever is shorter, on values of every magnitude and length of digits.
TEST(NumberFormat, ShortestRealsAsToChars) {
    std::vector<double> values = {0.0,     -0.0,      1.0,       -1.0,  0.1,        0.0001,
                                  1e-5,    123456.0,  1e14,      1e15,  1e16,       1e22,
                                  1e23,    1e100,     5e-324,    0.3,   1e-12,      7.85e-9,
                                  210000., 1.0 / 3.0, 2.0 / 3.0, -1e-7, 12345.67891};
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    std::uniform_int_distribution<int> figures(1, 17);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        values.push_back(value);
        values.push_back(
            std::stod(printf_of(("%." + std::to_string(figures(random)) + "g").c_str(), value)));
    }
    for (double value : values) {
        char expected[64];
        const char* end = std::to_chars(expected, expected + sizeof expected, value).ptr;
        EXPECT_EQ(written(format_shortest, value),
                  std::string(expected, static_cast<std::size_t>(end - expected)));
    }
}

}  // namespace
}  // namespace abazenta
