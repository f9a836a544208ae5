// Tests of the fixed-column writer: the bytes of printf's "%Wd" and "%W.Pe" for every value.
#include "column_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>

namespace {

std::string printfExponent(double value, int precision) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", precision, value);
    return text;
}

std::string exponentOf(double value, int precision) {
    char text[64];
    return std::string(text, exponentText(value, precision, text));
}

void expectPrintfDigits(double value) {
    for (int precision : {1, 2, 6, 9})
        EXPECT_EQ(exponentOf(value, precision), printfExponent(value, precision))
            << "%.17g: " << value << " precision " << precision;
}

// Values whose rounding is hard: exact halves (printf rounds them to even), carries into a
// new decade, the ends of the integer arithmetic's range, and the values it leaves to
// to_chars.
TEST(ExponentText, WritesThePrintfDigits) {
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -1.0,
                             0.5,
                             2.5,
                             0.125,
                             1234567.5,
                             1234568.5,
                             12345675.0,
                             0.15,
                             1.0000005,
                             9.9999995,
                             9.99999949999,
                             9.9999996,
                             99999995.0,
                             999999.95,
                             9999999.5,
                             1e-5,
                             1e7,
                             1e10,
                             1e21,
                             1e-21,
                             1e-22,
                             1e300,
                             1e-300,
                             0.001733102253032929,
                             1.0 / 3.0,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN()};
    for (double value : values) {
        expectPrintfDigits(value);
        expectPrintfDigits(-value);
        expectPrintfDigits(std::nextafter(value, 0.0));
        expectPrintfDigits(std::nextafter(value, HUGE_VAL));
    }
}

TEST(ExponentText, RandomValuesWriteThePrintfDigits) {
    std::mt19937_64 random(23);
    for (int k = 0; k < 20000; ++k) {
        uint64_t bits = random();
        double any = 0;
        std::memcpy(&any, &bits, sizeof any);
        expectPrintfDigits(any);
        // Coordinates of a grid, and exact halves of 8 to 9 digits.
        expectPrintfDigits(static_cast<double>(random() % 100000) / (1 + random() % 5000));
        expectPrintfDigits(std::ldexp(static_cast<double>(random() % 100000000) + 0.5,
                                      static_cast<int>(random() % 40) - 20));
    }
}

std::string written(void (*write)(ColumnWriter&)) {
    std::ostringstream out;
    {
        ColumnWriter writer(out);
        write(writer);
    }
    return out.str();
}

// Each field right-aligned in its width, in full when it is wider.
TEST(ColumnWriter, FieldsAsPrintfWritesThem) {
    EXPECT_EQ(written([](ColumnWriter& w) { w.integer(5, 6).text(" ").integer(-12, 5).endLine(); }),
              "     5   -12\n");
    EXPECT_EQ(written([](ColumnWriter& w) { w.integer(1234567, 5).integer(-7, 0).integer(0, 1); }),
              "1234567-70");
    EXPECT_EQ(written([](ColumnWriter& w) { w.exponent(1.5, 21, 6).exponent(-2.0e-7, 13, 6); }),
              "         1.500000e+00-2.000000e-07");
    EXPECT_EQ(
        written([](ColumnWriter& w) { w.exponent(1e300, 5, 2).text(" ").exponent(-0.0, 9, 2); }),
        "1.00e+300 -0.00e+00");
    EXPECT_EQ(
        written([](ColumnWriter& w) { w.text(" 1 ", 8).text("abc").text(std::string("de")); }),
        "      1 abcde");
    EXPECT_EQ(written([](ColumnWriter& w) { w.shortest(0.1, 9).shortest(12345.67891, 3); }),
              "      0.112345.67891");
}

// Output larger than the writer's block, and a field longer than it, keep their order.
TEST(ColumnWriter, LongOutputKeepsEveryByte) {
    std::string expected;
    std::ostringstream out;
    {
        ColumnWriter writer(out);
        char line[80];
        for (int k = 0; k < 20000; ++k) {
            std::snprintf(line, sizeof line, "%5d %20.6e %20.6e\n", k, k / 7.0, -k * 1e-3);
            expected += line;
            writer.integer(k, 5).text(" ").exponent(k / 7.0, 20, 6).text(" ");
            writer.exponent(-k * 1e-3, 20, 6).endLine();
        }
        const std::string longText(100000, 'x');
        expected += longText;
        writer.text(longText);
        writer.flush();
        EXPECT_EQ(out.str(), expected);
        writer.text("end");
        expected += "end";
    }
    EXPECT_EQ(out.str(), expected);
}

}  // namespace
