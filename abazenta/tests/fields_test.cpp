// Splitting data lines into fields and reading integers and reals from them.
#include "fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace abazenta {
namespace {

std::vector<std::string> all_fields(std::string_view line) {
    FieldCursor cursor(line);
    std::vector<std::string> fields;
    for (std::string_view f = cursor.next(); !f.empty(); f = cursor.next()) fields.emplace_back(f);
    return fields;
}

TEST(FieldCursor, SplitsAtBlanksTabsAndLineEnds) {
    EXPECT_EQ(all_fields("  1  2.5\t-3\r\n"), (std::vector<std::string>{"1", "2.5", "-3"}));
    EXPECT_TRUE(all_fields("").empty());
    EXPECT_TRUE(all_fields(" \t\r\n").empty());
    FieldCursor cursor("7");
    EXPECT_EQ(cursor.next(), "7");
    EXPECT_EQ(cursor.next(), "");
    EXPECT_EQ(cursor.next(), "");  // past the end stays empty
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

    value = 99;
    for (const char* field : {"", "-", "+", "1.0", "12abc", "ALL", "2147483648", "-2147483649",
                              "99999999999999999999"}) {
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

TEST(ParseReal, ReadsZeroForMissingOrNonNumericFields) {
    for (const char* field : {"", "abc", ".", "-", "e5", "nan", "inf", "0x10"})
        EXPECT_EQ(parse_real(field), 0.0) << field;
}

}  // namespace
}  // namespace abazenta
