// The converter's fast text of reals gives exactly the bytes of zenta::GeneralOrShortest.
#include "real_text_fast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "real_text.h"

namespace {

std::string Fast(double value) {
    std::string text = "x";  // appended to, not replaced
    Zenta2D::AppendGeneralOrShortest(text, value);
    return text.substr(1);
}

double Read(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);  // 0 or inf beyond the range, as strtod reads it
}

void ExpectSameAsReference(double value) {
    ASSERT_EQ(Fast(value), zenta::GeneralOrShortest(value)) << "bits " << [&] {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    }();
}

TEST(RealTextFast, KnownValues) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {1.0, "1"},
        {-2500.0, "-2500"},
        {0.3, "0.3"},
        {30000000.0, "3e+07"},
        {123456.0, "123456"},
        {1234567.0, "1234567"},
        {999999.0, "999999"},
        {1e6, "1e+06"},
        {999999.7, "999999.7"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1e-05"},
        {1.23457e-05, "1.23457e-05"},
        {0.00001234567, "1.234567e-05"},
        {123.4567891, "123.4567891"},
        {12345.67891, "12345.67891"},
        {0.04373, "0.04373"},
        {0.16666666, "0.16666666"},
        {1.0 / 6.0, "0.16666666666666666"},
        {206842.7, "206842.7"},
        {2.1e5, "210000"},
        {1e25, "1e+25"},
        {1e-16, "1e-16"},
        {1e300, "1e+300"},
        {5e-324, "4.94066e-324"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Fast(c.value), c.text);
        ExpectSameAsReference(c.value);
    }
}

// Values of one to nine significant digits at every decimal exponent, their neighbours, and
// arbitrary bit patterns: the fast text is the reference's on all of them.
TEST(RealTextFast, SameBytesAsTheReference) {
    std::mt19937_64 random(1207);
    for (int exponent = -330; exponent <= 310; ++exponent) {
        for (int i = 0; i < 300; ++i) {
            const int digits = 1 + static_cast<int>(random() % 9);
            const double mantissa =
                static_cast<double>(random() % static_cast<std::uint64_t>(std::pow(10, digits)));
            const double value = Read(std::to_string(static_cast<long long>(mantissa)) + "e" +
                                      std::to_string(exponent - digits + 1)) *
                                 (random() % 2 ? -1 : 1);
            ExpectSameAsReference(value);
            ExpectSameAsReference(std::nextafter(value, 0.0));
            ExpectSameAsReference(std::nextafter(value, HUGE_VAL));
        }
        const double power = Read("1e" + std::to_string(exponent));
        for (double near : {power, std::nextafter(power, 0.0), std::nextafter(power, HUGE_VAL),
                            power * 0.9999995, power * 0.99999949999, power * 0.99999950001})
            ExpectSameAsReference(near);
    }
    for (int i = 0; i < 300000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        ExpectSameAsReference(value);
    }
}

}  // namespace
