// String: storage rules, number texts, slicing, searching, splitting and formatting.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "String.h"

using ZTools::ContractViolation;
using ZTools::List;
using ZTools::String;

namespace {

std::string Text(const String& s) {
    return std::string(s.AsStr());
}

String Repeat(char c, int n) {
    return String(std::string(static_cast<std::size_t>(n), c).c_str());
}

}  // namespace

TEST(StringStorage, ThirteenCharactersInlineFourteenOnTheHeap) {
    String thirteen("abcdefghijklm");
    EXPECT_TRUE(thirteen.IsInline());
    EXPECT_EQ(thirteen.Capacity(), 14u);
    String fourteen("abcdefghijklmn");
    EXPECT_FALSE(fourteen.IsInline());
    EXPECT_EQ(fourteen.Capacity(), 15u);
    EXPECT_EQ(Text(fourteen), "abcdefghijklmn");
    String empty;
    EXPECT_TRUE(empty.IsInline());
    EXPECT_EQ(empty.Len(), 0);
    EXPECT_STREQ(empty.AsStr(), "");
}

TEST(StringStorage, CountedConstructorPlacesTheTerminatorAtN) {
    const char* text = "0123456789abcdefghij";
    for (int n : {0, 5, 13}) {
        String s(text, n);
        EXPECT_TRUE(s.IsInline()) << n;
        EXPECT_EQ(s.Len(), n);
    }
    String heap(text, 14);
    EXPECT_EQ(heap.Capacity(), 15u);
    EXPECT_EQ(Text(heap), "0123456789abcd");
    String sized(text, static_cast<std::size_t>(16));
    EXPECT_EQ(sized.Capacity(), 17u);
    EXPECT_EQ(Text(sized), "0123456789abcdef");
    // The source ends before n: the text is shorter, the storage still chosen by n.
    String shortSource("abc", 20);
    EXPECT_EQ(Text(shortSource), "abc");
    EXPECT_EQ(shortSource.Capacity(), 21u);
    EXPECT_EQ(String("abc", -4).Len(), 0);
}

TEST(StringStorage, AppendGrowsToExactlyTheNeededSize) {
    String s("abcdefghijklm");
    s += "n";
    EXPECT_EQ(s.Capacity(), 15u);
    s += "o";
    EXPECT_EQ(s.Capacity(), 16u);
    s.Append(String("pq"));
    EXPECT_EQ(s.Capacity(), 18u);
    EXPECT_EQ(Text(s), "abcdefghijklmnopq");
    String small("ab");
    small += "cd";
    EXPECT_TRUE(small.IsInline());
    EXPECT_EQ(Text(small), "abcd");
}

TEST(StringStorage, AssignmentReusesALargeEnoughHeapArray) {
    String s("a text long enough for the heap");
    const std::size_t capacity = s.Capacity();
    s = String("short");
    EXPECT_FALSE(s.IsInline());
    EXPECT_EQ(s.Capacity(), capacity);
    EXPECT_EQ(Text(s), "short");
    s = String("a text that is longer than the first one was");
    EXPECT_EQ(s.Capacity(), 45u);  // exactly the new text and its terminator

    String inlineString("ab");
    inlineString = String("cd");
    EXPECT_TRUE(inlineString.IsInline());
    inlineString = String("fourteen chars");
    EXPECT_EQ(inlineString.Capacity(), 15u);
}

TEST(StringStorage, AssignmentReturnsACopyAndSelfAssignmentKeepsTheText) {
    String a("first");
    String b = (a = String("second"));
    EXPECT_EQ(Text(b), "second");
    String& alias = a;
    a = alias;
    EXPECT_EQ(Text(a), "second");
    String heap("a long string on the heap");
    String& heapAlias = heap;
    heap = heapAlias;
    EXPECT_EQ(Text(heap), "a long string on the heap");
}

TEST(StringStorage, CopyOfAHeapStringKeepsItsCapacity) {
    String s("a text long enough for the heap");  // capacity 32
    s = String("tiny");
    String copy(s);
    EXPECT_FALSE(copy.IsInline());
    EXPECT_EQ(copy.Capacity(), 32u);
    EXPECT_EQ(Text(copy), "tiny");
    String inlineCopy(String("tiny"));
    EXPECT_TRUE(inlineCopy.IsInline());
}

TEST(StringNumbers, IntegersPrintAsPercentDAndPercentU) {
    EXPECT_EQ(Text(String(0)), "0");
    EXPECT_EQ(Text(String(-42)), "-42");
    EXPECT_EQ(Text(String(INT_MIN)), "-2147483648");
    EXPECT_EQ(Text(String(4294967295u)), "4294967295");
    EXPECT_TRUE(String(INT_MIN).IsInline());  // 11 characters
}

TEST(StringNumbers, DoublesUseFixedFormNearOneAndExponentFormElsewhere) {
    EXPECT_EQ(Text(String(0.0)), "    0.000000");
    EXPECT_EQ(Text(String(-3.25)), "   -3.250000");
    EXPECT_EQ(Text(String(1.5)), "    1.500000");
    EXPECT_EQ(Text(String(999999.0)), "999999.000000");
    EXPECT_EQ(Text(String(2e-6)), "    0.000002");
    EXPECT_EQ(Text(String(1e6)), "1.000000e+06");
    EXPECT_EQ(Text(String(1e-6)), "1.000000e-06");
    EXPECT_EQ(Text(String(-DBL_MAX)), "-1.797693e+308");
    EXPECT_EQ(Text(String(std::nan(""))).find("nan") != std::string::npos, true);
    EXPECT_EQ(Text(String(-HUGE_VAL)), "        -inf");
}

TEST(StringNumbers, DoubleTextsFollowTheLengthRule) {
    EXPECT_TRUE(String(1.5).IsInline());  // 12 characters
    String wide(999999.0);                // 13 characters
    EXPECT_TRUE(wide.IsInline());
    String wider(-999999.0);  // 14 characters
    EXPECT_FALSE(wider.IsInline());
    EXPECT_EQ(wider.Capacity(), 15u);
}

TEST(StringNumbers, CharacterConstructorGivesOneCharacter) {
    EXPECT_EQ(Text(String('x')), "x");
    EXPECT_EQ(String('x').Len(), 1);
}

TEST(StringConversion, AsIntAndAsFloatAreLenient) {
    EXPECT_EQ(String("  42abc").AsInt(), 42);
    EXPECT_EQ(String("-7").AsInt(), -7);
    EXPECT_EQ(String("+3").AsInt(), 3);
    EXPECT_EQ(String("abc").AsInt(), 0);
    EXPECT_EQ(String("").AsInt(), 0);
    EXPECT_EQ(String("12.9").AsInt(), 12);
    EXPECT_DOUBLE_EQ(String(" 1.5e3xyz").AsFloat(), 1500.0);
    EXPECT_DOUBLE_EQ(String("-.25").AsFloat(), -0.25);
    EXPECT_EQ(String("x1").AsFloat(), 0.0);
}

// AsInt and AsFloat give exactly what atoi and atof give, whatever the form of the text: the
// fast conversions of the usual forms must not be told apart from the C library's.
TEST(StringConversion, AsIntAndAsFloatMatchTheCLibraryOnEveryForm) {
    const char* const texts[] = {
        "",
        "0",
        "-0",
        "+0",
        "7",
        "-7",
        "+3",
        "  42abc",
        "\t\n\v\f\r 9",
        "12.9",
        "1e5",
        "2147483647",
        "2147483648",
        "-2147483648",
        "-2147483649",
        "4294967297",
        "99999999999",
        "9223372036854775807",
        "9223372036854775808",
        "-9223372036854775808",
        "-9223372036854775809",
        "123456789012345678901234567890",
        "-123456789012345678901234",
        "+-5",
        "-+5",
        "--5",
        "- 5",
        "abc",
        "x1",
        "1,5",
        "007",
        "0x1A",
        "0X1p3",
        "0x",
        "0x.8p1",
        "-0x10",
        "1e",
        "1e+",
        "1e-",
        "1E3",
        "1.5e3xyz",
        "-.25",
        ".5",
        "-.",
        ".",
        "-",
        "+",
        ".e1",
        "5.",
        "1.000000e+00",
        "-2.500000e+001",
        "3.00E+007",
        "0.00E+000",
        "1e308",
        "1e309",
        "-1e400",
        "1e-320",
        "4.9406564584124654e-324",
        "2e-324",
        "1e-400",
        "2.2250738585072011e-308",
        "0.1000000000000000055511151231257827",
        "inf",
        "-INF",
        "Infinity",
        "nan",
        "-nan",
        "NaN(123)",
        "nanx",
        "infinit",
        "  1.5",
        "+1.5",
        "\xa0"
        "1",
        "1234567890123456789012345678901234567890.5",
        "0.000000000000000000000000000000000000000000001e45",
        "9007199254740993",
        "179769313486231570000000000000000000000000000000000000000000000000000000000000000000"
        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "0000000000000"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(String(text).AsInt(), std::atoi(text));
        const double expected = std::atof(text), got = String(text).AsFloat();
        EXPECT_EQ(std::memcmp(&expected, &got, sizeof got), 0) << got << " against " << expected;
    }
}

TEST(StringConversion, AsFloatRoundsDecimalsAsStrtodDoes) {
    std::mt19937_64 random(17);
    char text[64];
    for (int i = 0; i < 200000; ++i) {
        const unsigned long long digits = random() >> (random() % 64);
        const int point = static_cast<int>(random() % 22);
        const int exponent = static_cast<int>(random() % 700) - 350;
        std::snprintf(text, sizeof text, "%s%llu.%0*llue%d", random() % 2 ? "-" : "", digits, point,
                      static_cast<unsigned long long>(random() % 1000000), exponent);
        const double expected = std::strtod(text, nullptr), got = String(text).AsFloat();
        ASSERT_EQ(std::memcmp(&expected, &got, sizeof got), 0) << text;
    }
}

TEST(StringStorage, AssignFollowsTheAssignmentRule) {
    String s;
    s.Assign("short", 5);
    EXPECT_EQ(Text(s), "short");
    EXPECT_TRUE(s.IsInline());
    s.Assign("a text of twenty chars", 22);
    EXPECT_EQ(Text(s), "a text of twenty chars");
    EXPECT_EQ(s.Capacity(), 23u);
    s.Assign("abc and more", 3);  // only the first three characters
    EXPECT_EQ(Text(s), "abc");
    EXPECT_FALSE(s.IsInline());  // the heap array is kept
    EXPECT_EQ(s.Capacity(), 23u);
}

TEST(StringSlice, TakesPosUpToEndAndANegativeEndMeansToTheEnd) {
    String s("0123456789");
    EXPECT_EQ(Text(s.Slice(2, 5)), "234");
    EXPECT_EQ(Text(s.Slice(2, -5)), "23456789");
    EXPECT_EQ(Text(s.Slice(0, -1)), "0123456789");
    EXPECT_EQ(Text(s.Slice(3, 3)), "");
    EXPECT_EQ(Text(s.Slice(10, -1)), "");
    EXPECT_EQ(Text(s.Slice(10, 10)), "");
    EXPECT_EQ(Text(String("").Slice(0, -1)), "");
}

TEST(StringSlice, PositionsOutsideTheTextThrow) {
    String s("0123456789");
    struct Case {
        int pos, end;
        const char* condition;
    };
    const Case cases[] = {
        {-1, 3, "(pos >= 0) && (pos <= Len())"},
        {11, -1, "(pos >= 0) && (pos <= Len())"},
        {INT_MAX, INT_MAX, "(pos >= 0) && (pos <= Len())"},
        {5, 4, "(end < 0) || ((end >= pos) && (end <= Len()))"},
        {0, 11, "(end < 0) || ((end >= pos) && (end <= Len()))"},
        {3, INT_MAX, "(end < 0) || ((end >= pos) && (end <= Len()))"},
    };
    for (const Case& c : cases) {
        try {
            s.Slice(c.pos, c.end);
            FAIL() << "no exception for " << c.pos << ", " << c.end;
        } catch (const ContractViolation& e) {
            EXPECT_STREQ(e.what(), c.condition) << c.pos << ", " << c.end;
        }
    }
}

TEST(StringEdit, ReplaceSwapsEveryOccurrenceAndNulCutsTheText) {
    String s("a-b-c");
    s.Replace('-', '+');
    EXPECT_EQ(Text(s), "a+b+c");
    s.Replace('+', '\0');
    EXPECT_EQ(Text(s), "a");
    String none("abc");
    none.Replace('x', 'y');
    EXPECT_EQ(Text(none), "abc");
}

TEST(StringEdit, AppendingAStringToItselfGivesTheTextTwice) {
    String small("abc");
    small += small;
    EXPECT_EQ(Text(small), "abcabc");
    EXPECT_TRUE(small.IsInline());
    String grows("abcdefgh");
    String result = grows.Append(grows);  // 16 characters: moves to the heap meanwhile
    EXPECT_EQ(Text(grows), "abcdefghabcdefgh");
    EXPECT_EQ(Text(result), "abcdefghabcdefgh");
    EXPECT_EQ(grows.Capacity(), 17u);
    String heap("0123456789abcdef");
    heap.Append(heap.AsStr());
    EXPECT_EQ(Text(heap), "0123456789abcdef0123456789abcdef");
    heap = String("xy");  // room to spare: the append stays in place
    heap += heap;
    EXPECT_EQ(Text(heap), "xyxy");
    EXPECT_EQ(heap.Capacity(), 33u);
}

TEST(StringEdit, AppendReturnsACopyOfTheResult) {
    String s("ab");
    String copy = s.Append("cd");
    copy += "!";
    EXPECT_EQ(Text(s), "abcd");
    EXPECT_EQ(Text(copy), "abcd!");
}

TEST(StringEdit, CaseFolding) {
    String s("MiXeD 12_z");
    EXPECT_EQ(Text(s.Lower()), "mixed 12_z");
    EXPECT_EQ(Text(s.Upper()), "MIXED 12_Z");
    EXPECT_EQ(Text(s), "MiXeD 12_z");
    s.ToUpper();
    EXPECT_EQ(Text(s), "MIXED 12_Z");
    s.ToLower();
    EXPECT_EQ(Text(s), "mixed 12_z");
    String high("\xe9\xff");  // bytes above 127 must not reach tolower as negative values
    high.ToLower();
    EXPECT_EQ(high.Len(), 2);
}

TEST(StringSearch, FindsCharactersAndSubstrings) {
    String s("ELEMENTS, NODES");
    EXPECT_EQ(s.Find('E'), 0);
    EXPECT_EQ(s.Find(','), 8);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.Find('\0'), -1);
    EXPECT_EQ(s.Find(String("NODES")), 10);
    EXPECT_EQ(s.Find(String("EM")), 2);
    EXPECT_EQ(s.Find(String("nodes")), -1);
    EXPECT_EQ(s.Find(String("")), 0);
    EXPECT_EQ(String("").Find(String("")), 0);
    EXPECT_EQ(String("ab").Find(String("abc")), -1);
}

TEST(StringSearch, CharacterIndexIsChecked) {
    String s("abc");
    EXPECT_EQ(s[0], 'a');
    s[2] = 'z';
    EXPECT_EQ(Text(s), "abz");
    const String& view = s;
    EXPECT_EQ(view[1], 'b');
    for (int bad : {-1, 3, 100}) {
        try {
            s[bad];
            FAIL() << bad;
        } catch (const ContractViolation& e) {
            EXPECT_STREQ(e.what(), "(i >= 0) && (i < Len())");
        }
        EXPECT_THROW(view[bad], ContractViolation);
    }
}

TEST(StringSplit, EmptyFieldsAreKeptAndTheEmptyTextHasNone) {
    struct Case {
        const char* text;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"", {}},
        {",", {"", ""}},
        {"a", {"a"}},
        {"a,b", {"a", "b"}},
        {"a,", {"a", ""}},
        {",a", {"", "a"}},
        {"a,,b", {"a", "", "b"}},
        {",,", {"", "", ""}},
        {"one,two,three,four,five,six,seven",
         {"one", "two", "three", "four", "five", "six", "seven"}},
    };
    for (const Case& c : cases) {
        List<String> fields = String(c.text).Split(',');
        ASSERT_EQ(fields.Len(), static_cast<int>(c.fields.size())) << '"' << c.text << '"';
        for (int i = 0; i < fields.Len(); ++i)
            EXPECT_EQ(Text(fields[i]), c.fields[static_cast<std::size_t>(i)]) << c.text;
    }
}

TEST(StringSplit, JoinPutsTheSeparatorBetweenNeighbours) {
    List<String> list(6);
    EXPECT_EQ(Text(String::Join(list, ' ')), "");
    list.Append(String("a"));
    EXPECT_EQ(Text(String::Join(list, ' ')), "a");
    list.Append(String(""));
    list.Append(String("c"));
    EXPECT_EQ(Text(String::Join(list, '/')), "a//c");
    EXPECT_EQ(Text(String::Join(String("x;;y;").Split(';'), ';')), "x;;y;");
}

TEST(StringFormat, FormatsLikePrintf) {
    EXPECT_EQ(Text(String::Format("%d %s %5.2f", 3, "x", 1.5)), "3 x  1.50");
    EXPECT_EQ(Text(String::Format("plain")), "plain");
    EXPECT_EQ(Text(String::Format("%s", "")), "");
}

TEST(StringFormat, LongOutputIsCutAtFormatLengthPlus1022) {
    const std::string filler(5000, 'q');
    String s = String::Format("%s", filler.c_str());  // format of length 2
    EXPECT_EQ(s.Len(), 2 + 1022);
    EXPECT_EQ(Text(s), std::string(1024, 'q'));
    const std::string exact(1024, 'r');
    EXPECT_EQ(String::Format("%s", exact.c_str()).Len(), 1024);
    const std::string fits(1023, 'r');
    EXPECT_EQ(String::Format("%s", fits.c_str()).Len(), 1023);
    const std::string longFormat = std::string(3000, 'f') + "%s";
    EXPECT_EQ(String::Format(longFormat.c_str(), filler.c_str()).Len(), 3002 + 1022);
}

TEST(StringCompare, EqualityIsExactBytes) {
    EXPECT_TRUE(String("abc") == String("abc"));
    EXPECT_FALSE(String("abc") == String("abd"));
    EXPECT_FALSE(String("abc") == String("ab"));
    EXPECT_TRUE(String("*NODES") == "*NODES");
    EXPECT_FALSE(String("*nodes") == "*NODES");
    EXPECT_TRUE("x" == String("x"));
    EXPECT_TRUE(String("a") != "b");
    EXPECT_FALSE(String("") == nullptr);
}

TEST(StringCompare, StreamOutputHonoursWidthAndFill) {
    std::ostringstream out;
    out << String("ab") << '|';
    out.width(5);
    out.fill('.');
    out << String("cd") << '|';
    out << std::left;
    out.width(4);
    out << String("e") << '|';
    EXPECT_EQ(out.str(), "ab|...cd|e...|");
}

TEST(StringStorage, NullPointerIsTheEmptyText) {
    const char* none = nullptr;
    EXPECT_EQ(String(none).Len(), 0);
    String s("a");
    s += none;
    EXPECT_EQ(Text(s), "a");
}

TEST(StringStorage, ImpossibleLengthsAreRefusedBeforeAnyCopy) {
    EXPECT_THROW(String("abc", SIZE_MAX), std::length_error);
    EXPECT_THROW(String("abc", static_cast<std::size_t>(INT_MAX)), std::length_error);
}

TEST(StringStorage, LongTextsSurviveCopiesAndAssignments) {
    String big = Repeat('z', 100000);
    String copy(big);
    String assigned;
    assigned = copy;
    EXPECT_EQ(assigned.Len(), 100000);
    EXPECT_EQ(assigned.Capacity(), 100001u);
    EXPECT_EQ(assigned.Find('y'), -1);
}
