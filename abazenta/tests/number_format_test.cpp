// Numbers appended exactly as printf formats them.
#include "number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
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

TEST(NumberFormat, IntegersAsPrintfWithAWidth) {
    for (int value : {0, 7, -7, 9999, 10000, -10000, 123456, INT_MAX, INT_MIN}) {
        for (int width : {0, 4, 5}) {
            char expected[32];
            std::snprintf(expected, sizeof expected, "%*d", width, value);
            std::string text = "x";
            append_integer(text, value, width);
            EXPECT_EQ(text, std::string("x") + expected) << value << " " << width;
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
        std::string exponent_form, general_form;
        append_exponent(exponent_form, value);
        append_general(general_form, value);
        EXPECT_EQ(exponent_form, printf_of("%e", value));
        EXPECT_EQ(general_form, printf_of("%g", value));
    }
    const double nan =
        std::numeric_limits<double>::infinity() - std::numeric_limits<double>::infinity();
    for (double value : {nan, -nan}) {
        std::string exponent_form, general_form;
        append_exponent(exponent_form, value);
        append_general(general_form, value);
        EXPECT_EQ(exponent_form, printf_of("%e", value));
        EXPECT_EQ(general_form, printf_of("%g", value));
    }
}

}  // namespace
}  // namespace abazenta
