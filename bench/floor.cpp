// The floor of a conversion, for the speed table of bench/speed_table.sh: reads each file whole
// and converts every number in it with std::from_chars, nothing else.
//   floor FILE...
// A number starts at a digit, or at a sign or point followed by a digit or point; it is an
// integer unless a point or an exponent follows its digits, then a real. Commas, blanks and any
// other bytes only separate numbers, so fixed-width fields that touch ("1.0E+00-2.0E+00") and
// comma-separated lists are read too. Prints the counts and sums so that nothing is optimised
// away.
#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace {

struct Totals {
    long long integers = 0;
    unsigned long long integer_sum = 0;  // wraps around rather than overflow
    long long reals = 0;
    double real_sum = 0;
};

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool StartsNumber(const char* p, const char* end) {
    if (IsDigit(*p)) return true;
    if (*p != '-' && *p != '+' && *p != '.') return false;
    return p + 1 < end && (IsDigit(p[1]) || p[1] == '.');
}

bool ContinuesAsReal(const char* p, const char* end) {
    return p < end && (*p == '.' || *p == 'e' || *p == 'E');
}

// Converts the number at p (StartsNumber holds) and returns where it ends.
const char* ConvertNumber(const char* p, const char* end, Totals& totals) {
    const char* start = *p == '+' ? p + 1 : p;  // from_chars takes a minus sign only
    long long integer = 0;
    const auto as_integer = std::from_chars(start, end, integer);
    if (as_integer.ec == std::errc() && !ContinuesAsReal(as_integer.ptr, end)) {
        ++totals.integers;
        totals.integer_sum += static_cast<unsigned long long>(integer);
        return as_integer.ptr;
    }
    double real = 0;
    const auto as_real = std::from_chars(start, end, real);
    if (as_real.ec != std::errc()) return p + 1;  // a lone sign or point
    ++totals.reals;
    totals.real_sum += real;
    return as_real.ptr;
}

bool ReadWhole(const char* name, std::string& text) {
    std::ifstream in(name, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    text.resize(static_cast<std::size_t>(in.tellg()));
    in.seekg(0, std::ios::beg);
    in.read(&text[0], static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(in);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: floor FILE...\n");
        return 1;
    }
    Totals totals;
    long long bytes = 0;
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (!ReadWhole(argv[i], text)) {
            std::fprintf(stderr, "floor: cannot read %s\n", argv[i]);
            return 1;
        }
        bytes += static_cast<long long>(text.size());
        const char* p = text.data();
        const char* end = p + text.size();
        while (p < end) p = StartsNumber(p, end) ? ConvertNumber(p, end, totals) : p + 1;
    }
    std::printf("%lld bytes, %lld integers (sum %llu), %lld reals (sum %.17g)\n", bytes,
                totals.integers, totals.integer_sum, totals.reals, totals.real_sum);
    return 0;
}
