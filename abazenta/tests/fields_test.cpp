// Splitting data lines into fields and reading integers and reals from them.
#include "fields.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace abazenta {
namespace {

std::vector<std::string> all_fields(std::string_view line) {
    const Fields fields(line);
    std::vector<std::string> all;
    for (std::size_t i = 0; i < fields.size(); ++i) all.emplace_back(fields[i]);
    return all;
}

using Strings = std::vector<std::string>;

TEST(Fields, SplitAtCommasWhenTheLineHasOneAndAtBlanksOtherwise) {
    const struct {
        const char* line;
        Strings fields;
    } cases[] = {
        {"  1  2.5\t-3\r\n", {"1", "2.5", "-3"}},
        {"1, 2.5 ,\t-3\r\n", {"1", "2.5", "-3"}},
        {"1,2,,0.5\n", {"1", "2", "", "0.5"}},     // an empty field counts
        {"1, 2, 3,\n", {"1", "2", "3", ""}},       // so does the one after a last comma
        {"1, 2,\n 3, 4\n", {"1", "2", "3", "4"}},  // a continued line: line ends are blanks
        {"Set-1, ENCASTRE\n", {"Set-1", "ENCASTRE"}},
        {"a b, c\n", {"a b", "c"}},  // blanks inside a comma field stay
        {",\n", {"", ""}},
        {"", {}},
        {" \t\r\n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(all_fields(c.line), c.fields) << c.line;
    const Fields fields("7");
    EXPECT_EQ(fields[1], "");  // past the end: empty
    EXPECT_EQ(fields[100], "");
}

// The first line of a text, split as split splits it, in the same pass that finds its end.
TEST(Fields, SplitFirstLineFindsTheLineAndItsFields) {
    const struct {
        const char* text;
        const char* line;
    } cases[] = {
        {"1, 2.5, -3\n4, 5\n", "1, 2.5, -3\n"},
        {"  1  2.5\t-3\r\n7\n", "  1  2.5\t-3\r\n"},
        {"1,2,,0.5", "1,2,,0.5"},  // no line end: all of it
        {"a b, c\n", "a b, c\n"},
        {"\n1, 2\n", "\n"},
        {",\n", ",\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        Fields first;
        EXPECT_EQ(first.split_first_line(c.text), c.line) << c.text;
        const Fields whole(c.line);
        ASSERT_EQ(first.size(), whole.size()) << c.text;
        for (std::size_t i = 0; i < whole.size(); ++i) EXPECT_EQ(first[i], whole[i]) << c.text;
    }
}

TEST(UpperCase, ChangesLettersOnly) {
    EXPECT_EQ(upper_case("Set-1_a.b"), "SET-1_A.B");
    EXPECT_EQ(upper_case(""), "");
}

TEST(ParseInteger, AcceptsOnlyWholeSignedDecimalFields) {
    int value = 99;
    EXPECT_TRUE(parse_integer("42", value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(parse_integer("-17", value));
    EXPECT_EQ(value, -17);
    EXPECT_TRUE(parse_integer("+5", value));
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(parse_integer("2147483647", value));
    EXPECT_EQ(value, 2147483647);
    EXPECT_TRUE(parse_integer("-2147483648", value));
    EXPECT_EQ(value, -2147483647 - 1);

    // Leading zeros, as many as there are, do not count towards the range.
    EXPECT_TRUE(parse_integer("00000000000000012", value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(parse_integer("-00000000002147483648", value));
    EXPECT_EQ(value, -2147483647 - 1);
    EXPECT_TRUE(parse_integer("+0000000000", value));
    EXPECT_EQ(value, 0);

    value = 99;
    for (const char* field : {"", "-", "+", "1.0", "12abc", "ALL", "2147483648", "-2147483649",
                              "99999999999999999999", "12345678901", "+-1", "1 2", "0x10"}) {
        EXPECT_FALSE(parse_integer(field, value)) << field;
        EXPECT_EQ(value, 99) << field;
    }
}

TEST(ParseReal, ReadsDecimalAndExponentNotation) {
    EXPECT_DOUBLE_EQ(parse_real("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(parse_real("-2."), -2.0);
    EXPECT_DOUBLE_EQ(parse_real(".25"), 0.25);
    EXPECT_DOUBLE_EQ(parse_real("+3"), 3.0);
    EXPECT_DOUBLE_EQ(parse_real("1.5e3"), 1500.0);
    EXPECT_DOUBLE_EQ(parse_real("2E-2"), 0.02);
    EXPECT_DOUBLE_EQ(parse_real("1.5e"), 1.5);  // an exponent without digits is not part of it
    EXPECT_DOUBLE_EQ(parse_real("7abc"), 7.0);
    EXPECT_DOUBLE_EQ(parse_real(std::string(100, '1') + ".0"), 1.1111111111111111e99);
}

// Fortran's exponent mark D (or d) reads as E, whatever follows the number.
TEST(ParseReal, ReadsTheFortranExponentMark) {
    const struct {
        const char* field;
        double value;
    } cases[] = {
        {"2.1D5", 2.1e5}, {"1.57d0", 1.57},      {"-3.5d-2", -0.035}, {"+1D+3", 1000.0},
        {"4.5d", 4.5},    {"2.1D5, 0.3", 2.1e5}, {"1d400", HUGE_VAL}, {"7dx", 7.0},
    };
    for (const auto& c : cases) EXPECT_EQ(parse_real(c.field), c.value) << c.field;
    EXPECT_EQ(parse_real("D5"), 0.0);
}

// The number is the longest prefix of the form [+-]digits[.digits][exponent]; what follows it is
// not read, and an exponent mark without digits is not part of it.
TEST(ParseReal, ReadsTheLongestNumberAtTheStart) {
    const struct {
        const char* field;
        double value;
    } cases[] = {
        {"+.5e-3", 0.0005},  {"5.", 5.0},           {"-.5", -0.5},   {"1e+", 1.0},    {"1e-x", 1.0},
        {"2.5e2.5", 250.0},  {"1.2.3", 1.2},        {"7e1e1", 70.0}, {"0x1p3", 0.0},  {"-0", -0.0},
        {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}, {"1e-999", 0.0}, {"12 34", 12.0},
    };
    for (const auto& c : cases) EXPECT_EQ(parse_real(c.field), c.value) << c.field;
    EXPECT_TRUE(std::signbit(parse_real("-0")));
    EXPECT_EQ(parse_real("4.9406564584124654e-324"), 4.9406564584124654e-324);
    EXPECT_EQ(parse_real("0.30000000000000004"), 0.1 + 0.2);
}

TEST(ParseReal, ReadsZeroForMissingOrNonNumericFields) {
    for (const char* field : {"", "abc", ".", "-", "e5", "nan", "inf", "0x10", "+-2", "-+2", "+"})
        EXPECT_EQ(parse_real(field), 0.0) << field;
}

}  // namespace
}  // namespace abazenta
