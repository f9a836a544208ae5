// Tests of scanText against the C library's sscanf, which it must match on every text: the
// formats of the archive and listing readers, on the number forms that archives hold and on
// every exotic form sscanf accepts.
#include "scan_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Both readings: the C library's, and scanText's.
const auto kLibrary = [](const char* text, const char* format, auto... targets) {
    return std::sscanf(text, format, targets...);
};
const auto kScanText = [](const char* text, const char* format, auto... targets) {
    return scanText(text, format, targets...);
};

template <typename T>
std::string bitsOf(const T& value) {
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    std::ostringstream out;
    out << std::hex;
    for (unsigned char byte : bytes) out << static_cast<int>(byte) << '.';
    return out.str();
}

// The result of a reading: what it returned and the bytes of every target (so that -0 and 0,
// and the payloads of NaNs, are told apart), each target starting from a value of its own.
template <typename Read>
std::string integersRead(Read read, const char* text, const char* format) {
    int v[19];
    for (int k = 0; k < 19; ++k) v[k] = 7000 + k;
    int count = read(text, format, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8],
                     &v[9], &v[10], &v[11], &v[12], &v[13], &v[14], &v[15], &v[16], &v[17], &v[18]);
    std::string result = std::to_string(count) + ":";
    for (int value : v) result += std::to_string(value) + " ";
    return result;
}

// Formats of k integers and then three reals (the node lines).
template <typename Read>
std::string nodeRead(Read read, const char* text, const char* format, int integers) {
    int i[3] = {-5, -6, -7};
    double x[3] = {-1.5, -2.5, -3.5};
    int count = integers == 1   ? read(text, format, &i[0], &x[0], &x[1], &x[2])
                : integers == 2 ? read(text, format, &i[0], &i[1], &x[0], &x[1], &x[2])
                                : read(text, format, &i[0], &i[1], &i[2], &x[0], &x[1], &x[2]);
    return std::to_string(count) + ":" + bitsOf(i) + bitsOf(x);
}

template <typename Read>
std::string stressRowRead(Read read, const char* text) {
    int node = -9;
    float s[6] = {-1, -2, -3, -4, -5, -6};
    int count = read(text, "%d %f %f %f %f %f %f", &node, &s[0], &s[1], &s[2], &s[3], &s[4], &s[5]);
    return std::to_string(count) + ":" + bitsOf(node) + bitsOf(s);
}

template <typename Read>
std::string wordsRead(Read read, const char* text) {
    char word[256] = "none", label[256] = "none";
    int consumed = -1, number = -2, second = -3, third = -4, numberConsumed = -5;
    double value = -6.5;
    std::string result;
    result += std::to_string(read(text, "%255s%n", word, &consumed)) + word + ":" +
              std::to_string(consumed) + "|";
    result += std::to_string(read(text, "%d, %255s", &number, label)) + label + ":" +
              std::to_string(number) + "|";
    result += std::to_string(read(text, "%d %d%n", &number, &second, &numberConsumed)) + ":" +
              std::to_string(number) + " " + std::to_string(second) + " " +
              std::to_string(numberConsumed) + "|";
    result += std::to_string(read(text, "%d %d %d%n", &number, &second, &third, &numberConsumed)) +
              ":" + std::to_string(third) + " " + std::to_string(numberConsumed) + "|";
    result += std::to_string(read(text, "%d, %d, %lf", &number, &second, &value)) + bitsOf(value);
    char shortWord[4] = "ab";
    result += "|" + std::to_string(read(text, "%3s", shortWord)) + shortWord;
    return result;
}

const char* const kIntegerFormats[] = {
    "%d",
    "%d, %d",
    "%d, %d, %d",
    "%d %d %d %d %d",
    "%d, %d, %d, %d, %d",
    "%d, %d, %d, %d, %d, %d, %d, %d",
    "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d",
    "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d",
};

struct NodeFormat {
    const char* format;
    int integers;
};

const NodeFormat kNodeFormats[] = {
    {"%d, %lf, %lf, %lf", 1},
    {"%d, %d, %lf, %lf, %lf", 2},
    {"%d, %d, %d, %lf, %lf, %lf", 3},
    {"%d %d %d %lf %lf %lf", 3},
};

void expectAsTheLibrary(const std::string& line) {
    const char* text = line.c_str();
    for (const char* format : kIntegerFormats)
        EXPECT_EQ(integersRead(kScanText, text, format), integersRead(kLibrary, text, format))
            << "[" << line << "] " << format;
    for (const NodeFormat& node : kNodeFormats)
        EXPECT_EQ(nodeRead(kScanText, text, node.format, node.integers),
                  nodeRead(kLibrary, text, node.format, node.integers))
            << "[" << line << "] " << node.format;
    EXPECT_EQ(stressRowRead(kScanText, text), stressRowRead(kLibrary, text)) << "[" << line << "]";
    EXPECT_EQ(wordsRead(kScanText, text), wordsRead(kLibrary, text)) << "[" << line << "]";
}

// Lines of the archive forms and the exotic number forms that sscanf reads.
TEST(ScanText, ReadsEveryFormAsTheCLibrary) {
    const char* const lines[] = {
        // archive rows: fixed-width fields, touching reals, omitted coordinates, commas
        "       1       0       0 0.000000000E+00 1.500000000E+00-2.000000000E-01",
        "        7        0        0 5.0000000000000E-001-1.0000000000000E+000",
        "        8        0        0",
        "       1,       2,       3,1.000000000E+00,  2.5,-3.",
        "      -1,",
        "      -1",
        "  1  1  1  1  0  0  0  0  8  0  1 11 12 13 14 15 16 17 18",
        "    NODE     SX          SY          SZ          SXY         SYZ         SXZ",
        "       1  0.1000E+03 -0.2000E+02 -0.6000E+03  0.5000E+01  0.0000      0.0000    ",
        "EX  ,       1,  1,  2.00000000E+11    ,",
        // signs, points and exponents
        "+5 -5 +.5 -.5 5. .5e1 5e+1 5E-1 +0 -0 -0.0",
        "1e 1e+ 1e-x 1.5.3 1e5e3 12-5 1.5-2.5 1d0 1D+02 --1 +-1 - + .",
        // hex floats, infinities, NaNs
        "0x1p3 0X1.8P+1 -0x10 0x 0x.8 inf -INF infinity nan -nan nan(12) NAN(abc)",
        // numbers out of the range of int and double
        "2147483647 2147483648 -2147483648 -2147483649 99999999999 9223372036854775808",
        "999999999999999999 9999999999999999999 00000000000000000000000000012",
        "1e400 -1e400 1e-400 4.9e-324 2.2250738585072014e-308 1.7976931348623159e308",
        "3.4028235e38 3.5e38 1.17549435e-38 1e-46 1e-45 0.30000000000000004",
        // white space of every kind, commas out of place, an empty line
        "\t1\v,\f2\r\n",
        " , 1",
        "1 ,2",
        "1,,2",
        "",
        "   ",
        "\n",
        "abc",
        "1abc 2",
        // words
        "NODE SX",
        "  NODE\tS1 S2 S3 SINT SEQV",
        "UX  ,  0.0",
    };
    for (const char* line : lines) expectAsTheLibrary(line);
}

// Random lines made of number forms, signs, points, letters and separators, with a fixed
// seed: touching numbers and every break between two characters.
TEST(ScanText, RandomLinesReadAsTheCLibrary) {
    const char* const tokens[] = {
        "0",
        "1",
        "-1",
        "+1",
        "12",
        "123456789",
        "2147483648",
        "99999999999",
        "1.5",
        "-1.5",
        "+.5",
        ".5",
        "5.",
        "1e5",
        "1E+05",
        "1.0E-05",
        "1e",
        "1e+",
        "0x1p3",
        "inf",
        "nan",
        "1e400",
        "4.9e-324",
        "-",
        "+",
        ".",
        "e",
        "x",
        "NODE",
        "SX",
        "1D+02",
        "-0",
        "1.000000000E+00",
        "-2.500000000E-01",
        "0.1000E+03",
        "999999999999999999999",
    };
    const char* const separators[] = {"", " ", "  ", ",", ", ", " ,", "\t", "\r\n", "-", "+"};
    std::mt19937 random(17);
    for (int line = 0; line < 4000; ++line) {
        std::string text;
        for (int k = static_cast<int>(random() % 20); k > 0; --k) {
            text += tokens[random() % (sizeof tokens / sizeof *tokens)];
            text += separators[random() % (sizeof separators / sizeof *separators)];
        }
        expectAsTheLibrary(text);
    }
}

TEST(ScanText, FormatsOutsideItsDirectivesAreRefused) {
    int i = 0;
    double d = 0;
    EXPECT_THROW(scanText("1", "%x", &i), std::logic_error);
    EXPECT_THROW(scanText("1", "%5d", &i), std::logic_error);
    EXPECT_THROW(scanText("1", "%s", &i), std::logic_error);
    EXPECT_THROW(scanText("1", "%lf", &i), std::logic_error);
    EXPECT_THROW(scanText("1", "%d", &d), std::logic_error);
    EXPECT_THROW(scanText("1 2", "%d %d", &i), std::logic_error);
}

}  // namespace
