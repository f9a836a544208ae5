// The text forms of reals: exact read-back, and the bytes of "%g" kept where nothing is lost.
#include "real_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace {

struct RealCase {
    double value;
    const char* shortest;
    const char* general_or_shortest;
};

TEST(RealText, KnownValues) {
    const RealCase cases[] = {
        {0.0, "0", "0"},
        {-0.0, "-0", "-0"},
        {1.0, "1", "1"},
        {0.3, "0.3", "0.3"},
        {30000000.0, "3e+07", "3e+07"},
        {206842.7, "206842.7", "206842.7"},
        {12345.67891, "12345.67891", "12345.67891"},
        {0.04373, "0.04373", "0.04373"},
        {1.0 / 6.0, "0.16666666666666666", "0.16666666666666666"},
        {2.1e5, "210000", "210000"},
        {1e-300, "1e-300", "1e-300"},
        {123.456, "123.456", "123.456"},
        {0.00001234567, "1.234567e-05", "1.234567e-05"},
        {1.23457e-05, "1.23457e-05", "1.23457e-05"},
    };
    for (const RealCase& c : cases) {
        SCOPED_TRACE(c.shortest);
        EXPECT_EQ(zenta::ShortestReal(c.value), c.shortest);
        EXPECT_EQ(zenta::GeneralOrShortest(c.value), c.general_or_shortest);
    }
}

// Every text reads back as the double it was made from, whatever its digits.
TEST(RealText, ReadsBackExactly) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::ldexp(mantissa(random), exponent(random));
        for (const std::string& text :
             {zenta::ShortestReal(value), zenta::GeneralOrShortest(value)}) {
            ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
        }
    }
}

// A value of six significant digits or fewer keeps exactly the "%g" text.
TEST(RealText, SixDigitsKeepTheGeneralForm) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digits(-999999, 999999);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%de%d", digits(random), exponent(random));
        const double value = std::strtod(text, nullptr);
        char general[32];
        std::snprintf(general, sizeof general, "%g", value);
        ASSERT_EQ(zenta::GeneralOrShortest(value), general) << text;
    }
}

}  // namespace
