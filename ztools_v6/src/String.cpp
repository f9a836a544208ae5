// String: storage rules, conversions, searching, splitting and formatting.
#include "String.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace ZTools {

namespace {

constexpr std::size_t kNumberBufferSize = 40;  // work buffer of the number constructors

// Length of s, reading at most n characters of it.
std::size_t BoundedLength(const char* s, std::size_t n) {
    const void* nul = std::memchr(s, '\0', n);
    return nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - s) : n;
}

// Doubles near 1 print in fixed form, very small or large ones (and NaN, infinities) in
// exponent form; the decision uses the decimal exponent truncated toward zero.
const char* DoubleFormat(double value) {
    if (value == 0.0) return "%12.6f";
    if (!std::isfinite(value)) return "%12.6e";
    const double exponent = std::trunc(std::log10(std::fabs(value)));
    return (exponent >= -5.0 && exponent <= 5.0) ? "%12.6f" : "%12.6e";
}

// A decimal digit, as isdigit tells it in every locale.
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Lengths are reported as int, so no text may be longer than INT_MAX characters (this also
// keeps length + 1 from wrapping around).
void CheckLength(std::size_t length) {
    if (length >= static_cast<std::size_t>(INT_MAX))
        throw std::length_error("ZTools::String too long");
}

}  // namespace

String::String() : Data(StaticData), NumAlloced(kInlineSize) {
    StaticData[0] = '\0';
}

String::String(const char* s) : Data(StaticData), NumAlloced(kInlineSize) {
    if (s == nullptr) s = "";
    InitText(s, std::strlen(s));
}

String::String(const char* s, int n) : Data(StaticData), NumAlloced(kInlineSize) {
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    InitText(s, count);
}

String::String(const char* s, std::size_t n) : Data(StaticData), NumAlloced(kInlineSize) {
    InitText(s, n);
}

String::String(const String& other) : Data(StaticData), NumAlloced(kInlineSize) {
    if (other.IsInline()) {
        std::memcpy(StaticData, other.StaticData, kInlineSize);
        return;
    }
    // A heap source gives a heap copy of the same capacity, not of the text's length.
    Data = new char[other.NumAlloced];
    NumAlloced = other.NumAlloced;
    std::strcpy(Data, other.Data);
}

String::String(int value) : Data(StaticData), NumAlloced(kInlineSize) {
    char buffer[kNumberBufferSize];
    const int n = std::snprintf(buffer, sizeof buffer, "%d", value);
    InitText(buffer, static_cast<std::size_t>(n));
}

String::String(unsigned int value) : Data(StaticData), NumAlloced(kInlineSize) {
    char buffer[kNumberBufferSize];
    const int n = std::snprintf(buffer, sizeof buffer, "%u", value);
    InitText(buffer, static_cast<std::size_t>(n));
}

String::String(double value) : Data(StaticData), NumAlloced(kInlineSize) {
    // The widest text ("%12.6e" of -DBL_MAX, "%12.6f" of 99999.9) fits the 40-byte buffer;
    // snprintf cuts anything longer rather than overrunning it.
    char buffer[kNumberBufferSize];
    const int n = std::snprintf(buffer, sizeof buffer, DoubleFormat(value), value);
    const std::size_t length =
        n < 0 ? 0 : std::min(static_cast<std::size_t>(n), kNumberBufferSize - 1);
    InitText(buffer, length);
}

String::String(char c) : Data(StaticData), NumAlloced(kInlineSize) {
    StaticData[0] = c;
    StaticData[1] = '\0';
}

String::~String() {
    if (!IsInline()) delete[] Data;
}

// Stores the first `length` characters of s (fewer if s ends earlier) in fresh storage; the
// terminator goes at position `length`, so the storage is chosen by `length` alone.
void String::InitText(const char* s, std::size_t length) {
    CheckLength(length);
    if (length + 1 > kInlineSize) {
        Data = new char[length + 1];
        NumAlloced = length + 1;
    }
    const std::size_t copied = s != nullptr ? BoundedLength(s, length) : 0;
    std::memcpy(Data, s == nullptr ? "" : s, copied);
    Data[copied] = '\0';
    Data[length] = '\0';
}

void String::AssignText(const char* s, std::size_t length) {
    const std::size_t needed = length + 1;
    if (!IsInline() && NumAlloced >= needed) {
        std::memmove(Data, s, length);
    } else if (IsInline() && needed <= kInlineSize) {
        std::memmove(Data, s, length);
    } else {
        char* fresh = new char[needed];
        std::memcpy(fresh, s, length);
        if (!IsInline()) delete[] Data;
        Data = fresh;
        NumAlloced = needed;
    }
    Data[length] = '\0';
}

String String::operator=(const String& other) {
    if (&other != this) AssignText(other.Data, std::strlen(other.Data));
    return *this;
}

int String::Len() const {
    return static_cast<int>(std::strlen(Data));
}

// atoi is strtol cut to int: leading white space, an optional sign, decimal digits; a number
// beyond the range of long is clamped to it before the cut.
int String::AsInt() const {
    const char* p = Data;
    while (!IsDigit(*p) && std::isspace(static_cast<unsigned char>(*p))) ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    unsigned long magnitude = 0;
    const std::from_chars_result digits = std::from_chars(p, p + std::strlen(p), magnitude);
    if (digits.ec == std::errc::invalid_argument) return 0;  // no digit after the sign
    const unsigned long lowest = static_cast<unsigned long>(LONG_MAX) + 1;  // -LONG_MIN
    long value;
    if (negative)
        value = digits.ec != std::errc() || magnitude >= lowest ? LONG_MIN
                                                                : -static_cast<long>(magnitude);
    else
        value = digits.ec != std::errc() || magnitude > static_cast<unsigned long>(LONG_MAX)
                    ? LONG_MAX
                    : static_cast<long>(magnitude);
    return static_cast<int>(value);
}

// A plain decimal number (digits or a point and a digit first, after an optional minus) is
// converted by from_chars, which rounds exactly as strtod does. Everything else, such as
// leading white space, a plus sign, hexadecimal, inf and nan, or a number beyond the range of
// double, is left to strtod itself.
double String::AsFloat() const {
    const char* unsigned_part = Data[0] == '-' ? Data + 1 : Data;
    const bool decimal =
        (IsDigit(unsigned_part[0]) &&
         !(unsigned_part[0] == '0' && (unsigned_part[1] == 'x' || unsigned_part[1] == 'X'))) ||
        (unsigned_part[0] == '.' && IsDigit(unsigned_part[1]));
    if (decimal) {
        double value = 0;
        if (std::from_chars(Data, Data + std::strlen(Data), value).ec == std::errc()) return value;
    }
    return std::strtod(Data, nullptr);
}

String String::Slice(int pos, int end) const {
    const int length = Len();
    if (!((pos >= 0) && (pos <= length))) throw ContractViolation(Condition::kSlicePos);
    if (!((end < 0) || ((end >= pos) && (end <= length))))
        throw ContractViolation(Condition::kSliceEnd);
    const int stop = end < 0 ? length : end;
    return String(Data + pos, stop - pos);
}

void String::Replace(char from, char to) {
    int length = Len();
    for (int i = 0; i < length; ++i) {
        if (Data[i] != from) continue;
        Data[i] = to;
        length = Len();  // a NUL written here ends the text
    }
}

// Grows to exactly the size the new text needs (never more), then concatenates. s may point
// into this string's own text: it is copied before the old storage is freed, and its length
// is taken before the text changes.
void String::AppendText(const char* s, std::size_t length) {
    const std::size_t current = std::strlen(Data);
    CheckLength(current + length);
    const std::size_t needed = current + length + 1;
    if ((IsInline() && needed > kInlineSize) || (!IsInline() && NumAlloced < needed)) {
        char* fresh = new char[needed];
        std::memcpy(fresh, Data, current);
        std::memcpy(fresh + current, s, length);
        if (!IsInline()) delete[] Data;
        Data = fresh;
        NumAlloced = needed;
    } else {
        std::memmove(Data + current, s, length);
    }
    Data[current + length] = '\0';
}

String String::Append(const String& s) {
    AppendText(s.Data, std::strlen(s.Data));
    return *this;
}

String String::Append(const char* s) {
    if (s != nullptr) AppendText(s, std::strlen(s));
    return *this;
}

void String::operator+=(const String& s) {
    AppendText(s.Data, std::strlen(s.Data));
}

void String::operator+=(const char* s) {
    if (s != nullptr) AppendText(s, std::strlen(s));
}

int String::Find(char c) const {
    if (c == '\0') return -1;  // the terminator is not part of the text
    const char* hit = std::strchr(Data, c);
    return hit != nullptr ? static_cast<int>(hit - Data) : -1;
}

int String::Find(const String& s) const {
    const char* hit = std::strstr(Data, s.Data);
    return hit != nullptr ? static_cast<int>(hit - Data) : -1;
}

void String::ToLower() {
    for (char* p = Data; *p != '\0'; ++p)
        *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
}

void String::ToUpper() {
    for (char* p = Data; *p != '\0'; ++p)
        *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
}

String String::Lower() const {
    String copy(*this);
    copy.ToLower();
    return copy;
}

String String::Upper() const {
    String copy(*this);
    copy.ToUpper();
    return copy;
}

List<String> String::Split(char sep) const {
    List<String> fields(6);
    if (Data[0] == '\0') return fields;
    const char* start = Data;
    for (const char* p = Data;; ++p) {
        if (*p == sep || *p == '\0') {
            fields.Append(String(start, static_cast<std::size_t>(p - start)));
            if (*p == '\0') break;
            start = p + 1;
        }
    }
    return fields;
}

char& String::operator[](int i) {
    if (!((i >= 0) && (i < Len()))) throw ContractViolation(Condition::kStringIndex);
    return Data[i];
}

char String::operator[](int i) const {
    if (!((i >= 0) && (i < Len()))) throw ContractViolation(Condition::kStringIndex);
    return Data[i];
}

String String::Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    String result = FormatVa(fmt, args);
    va_end(args);
    return result;
}

String String::FormatVa(const char* fmt, va_list args) {
    // vsnprintf writes at most size - 1 characters and the terminator, so the buffer of
    // strlen(fmt) + 1024 bytes is never overrun; longer output is cut.
    const std::size_t limit = std::strlen(fmt) + 1023;
    std::unique_ptr<char[]> buffer(new char[limit + 1]);
    buffer[0] = '\0';
    std::vsnprintf(buffer.get(), limit, fmt, args);
    return String(buffer.get());
}

String String::Join(const List<String>& list, char sep) {
    if (list.Len() == 0) return String();
    String result(list[0]);
    const char separator[2] = {sep, '\0'};
    for (int i = 1; i < list.Len(); ++i) {
        result += separator;
        result += list[i];
    }
    return result;
}

bool operator==(const String& a, const String& b) {
    return std::strcmp(a.AsStr(), b.AsStr()) == 0;
}
bool operator==(const String& a, const char* b) {
    return b != nullptr && std::strcmp(a.AsStr(), b) == 0;
}
bool operator==(const char* a, const String& b) {
    return b == a;
}
bool operator!=(const String& a, const String& b) {
    return !(a == b);
}
bool operator!=(const String& a, const char* b) {
    return !(a == b);
}
bool operator!=(const char* a, const String& b) {
    return !(b == a);
}

std::ostream& operator<<(std::ostream& out, const String& s) {
    return out << s.AsStr();
}

}  // namespace ZTools
