// sscanf's reading of numbers and words, with std::from_chars for the plain forms.
#include "scan_text.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace {

// An int of at most this many digits cannot overflow the long that sscanf converts it to.
constexpr int kPlainIntDigits = 18;

// White space as the C locale's isspace sees it.
bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void skipSpace(const char*& p) {
    while (isSpace(*p)) ++p;
}

// How one conversion ended.
enum class Outcome { Stored, Mismatch, InputEnded };

// The forms the plain paths do not decide are converted by sscanf itself, from the same text.
Outcome byLibrary(const char*& p, int stored, int consumed) {
    if (stored == 1) {
        p += consumed;
        return Outcome::Stored;
    }
    return stored == EOF ? Outcome::InputEnded : Outcome::Mismatch;
}

Outcome intByLibrary(const char*& p, int* target) {
    int consumed = 0;
    const int stored = std::sscanf(p, "%d%n", target, &consumed);
    return byLibrary(p, stored, consumed);
}

Outcome realByLibrary(const char*& p, double* target) {
    int consumed = 0;
    const int stored = std::sscanf(p, "%lf%n", target, &consumed);
    return byLibrary(p, stored, consumed);
}

Outcome realByLibrary(const char*& p, float* target) {
    int consumed = 0;
    const int stored = std::sscanf(p, "%f%n", target, &consumed);
    return byLibrary(p, stored, consumed);
}

// "%d": a sign and up to 18 digits, stored as sscanf stores the long it reads into an int.
Outcome scanInt(const char*& p, int* target) {
    if (*p == '\0') return Outcome::InputEnded;
    const char* q = p;
    const bool negative = *q == '-';
    if (*q == '+' || *q == '-') ++q;
    const char* digits = q;
    long value = 0;
    while (isDigit(*q) && q - digits < kPlainIntDigits) value = value * 10 + (*q++ - '0');
    if (q == digits || isDigit(*q)) return intByLibrary(p, target);
    *target = static_cast<int>(negative ? -value : value);
    p = q;
    return Outcome::Stored;
}

// "%lf" and "%f": a sign, then a digit, or a point and a digit, as from_chars reads it. The
// library decides where the number is not plain: no digit (inf, nan), a plus sign (which
// from_chars does not take), a result out of range (which strtod rounds to infinity or zero),
// or a point, an exponent mark or an "x" (a hex float) where from_chars stopped, after which
// sscanf might read on.
template <typename Real>
Outcome scanReal(const char*& p, const char* end, Real* target) {
    if (*p == '\0') return Outcome::InputEnded;
    const char* first = *p == '+' ? p + 1 : p;
    const char* digits = *first == '-' && first == p ? first + 1 : first;
    if (isDigit(*digits) || (*digits == '.' && isDigit(digits[1]))) {
        Real value = 0;
        const std::from_chars_result result = std::from_chars(first, end, value);
        if (result.ec == std::errc()) {
            switch (*result.ptr) {
                case '.':
                case 'e':
                case 'E':
                case 'x':
                case 'X':
                    break;
                default:
                    *target = value;
                    p = result.ptr;
                    return Outcome::Stored;
            }
        }
    }
    return realByLibrary(p, target);
}

// "%Ns": up to `width` characters that are not white space.
Outcome scanWord(const char*& p, char* buffer, size_t width) {
    if (*p == '\0') return Outcome::InputEnded;
    size_t length = 0;
    while (length < width && p[length] != '\0' && !isSpace(p[length])) {
        buffer[length] = p[length];
        ++length;
    }
    buffer[length] = '\0';
    p += length;
    return Outcome::Stored;
}

// One conversion directive of a format: "%d", "%lf", "%f", "%Ns" or "%n".
struct Directive {
    char conversion = 0;
    bool isLong = false;
    size_t width = 0;
    ScanTarget::Kind kind() const {
        switch (conversion) {
            case 'd':
            case 'n':
                return ScanTarget::Kind::Int;
            case 's':
                return ScanTarget::Kind::Chars;
            default:
                return isLong ? ScanTarget::Kind::Double : ScanTarget::Kind::Float;
        }
    }
};

// Reads the directive after a '%' and moves `f` past it.
Directive readDirective(const char*& f) {
    Directive directive;
    while (isDigit(*f)) directive.width = directive.width * 10 + static_cast<size_t>(*f++ - '0');
    if (*f == 'l') {
        directive.isLong = true;
        ++f;
    }
    directive.conversion = *f == '\0' ? '\0' : *f++;
    const bool known = directive.conversion == 'd' || directive.conversion == 'n' ||
                       directive.conversion == 'f' || directive.conversion == 's';
    const bool widthFits = directive.conversion == 's' ? directive.width > 0 : directive.width == 0;
    const bool lengthFits = !directive.isLong || directive.conversion == 'f';
    if (!known || !widthFits || !lengthFits)
        throw std::logic_error("scanText: unsupported directive in a format");
    return directive;
}

Outcome convert(const Directive& directive, const char*& p, const char* end,
                const ScanTarget& target) {
    switch (directive.conversion) {
        case 'd':
            return scanInt(p, target.as<int>());
        case 's':
            return scanWord(p, target.as<char>(), directive.width);
        default:
            return directive.isLong ? scanReal(p, end, target.as<double>())
                                    : scanReal(p, end, target.as<float>());
    }
}

}  // namespace

int scanTargets(const char* text, const char* format, const ScanTarget* targets, size_t count) {
    const char* p = text;
    const char* end = text + std::strlen(text);
    size_t next = 0;
    int stored = 0;
    bool pendingSpace = false;  // a blank of the format waits to match the white space
    // The text ended: sscanf's input failure, -1 before the first stored target.
    auto inputEnded = [&stored] { return stored == 0 ? EOF : stored; };
    for (const char* f = format; *f != '\0';) {
        if (isSpace(*f)) {
            pendingSpace = true;
            ++f;
            continue;
        }
        if (*f != '%') {
            if (pendingSpace) skipSpace(p);
            pendingSpace = false;
            if (*p == '\0') return inputEnded();
            if (*p != *f) return stored;
            ++p;
            ++f;
            continue;
        }
        const Directive directive = readDirective(++f);
        if (next == count || targets[next].kind() != directive.kind())
            throw std::logic_error("scanText: the targets do not fit the format");
        const ScanTarget& target = targets[next++];
        // "%n" skips white space only after a blank of the format; the others always do.
        if (pendingSpace || directive.conversion != 'n') skipSpace(p);
        pendingSpace = false;
        if (directive.conversion == 'n') {
            *target.as<int>() = static_cast<int>(p - text);
            continue;
        }
        const Outcome outcome = convert(directive, p, end, target);
        if (outcome == Outcome::InputEnded) return inputEnded();
        if (outcome == Outcome::Mismatch) return stored;
        ++stored;
    }
    return stored;
}
