// Release of an archive and the line forms it selects.
#include "archive_release.h"

#include <cstring>

#include "text_format.h"

namespace {

constexpr int kMaxDigits = 6;  // longer numbers are no release

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void skipBlanks(const char*& p) {
    while (*p == ' ' || *p == '\t') ++p;
}

bool skipWord(const char*& p, const char* word) {
    size_t length = std::strlen(word);
    if (std::strncmp(p, word, length) != 0) return false;
    p += length;
    return true;
}

// Reads an unsigned number of at most kMaxDigits digits at `p`.
bool readNumber(const char*& p, int& value) {
    const char* start = p;
    value = 0;
    while (isDigit(*p) && p - start < kMaxDigits) value = value * 10 + (*p++ - '0');
    return p > start && !isDigit(*p);
}

// Reads "N.M" (or "N" alone, minor 0) at `p`; text may touch the number.
bool readVersion(const char*& p, int& major, int& minor) {
    minor = 0;
    if (!readNumber(p, major)) return false;
    if (*p == '.' && isDigit(p[1])) return readNumber(++p, minor);
    return true;
}

// The build number after the word "BUILD" in `text`, when it is there and not 0.0.
bool readBuild(const char* text, ArchiveRelease& release) {
    const char* p = std::strstr(text, "BUILD");
    if (p == nullptr) return false;
    p += std::strlen("BUILD");
    skipBlanks(p);
    int major = 0, minor = 0;
    if (!readVersion(p, major, minor) || (major == 0 && minor == 0)) return false;
    release = ArchiveRelease::of(major, minor);
    return true;
}

}  // namespace

std::string ArchiveRelease::versionLine() const {
    return known ? formatText("ANSYS Version: %d.%d\n", major, minor)
                 : std::string("ANSYS Version: unknown\n");
}

ArchiveRelease parseReleaseLine(const std::string& line) {
    if (line.compare(0, std::strlen(kReleasePrefix), kReleasePrefix) != 0)
        return ArchiveRelease::unknown();
    const char* p = line.c_str() + std::strlen(kReleasePrefix);
    skipBlanks(p);
    if (skipWord(p, "Release")) skipBlanks(p);

    ArchiveRelease release;
    if (!isDigit(*p)) {
        // A blank release names its build; any other word names no release.
        return std::strncmp(p, "BUILD", 5) == 0 && readBuild(p, release)
                   ? release
                   : ArchiveRelease::unknown();
    }
    int major = 0, minor = 0;
    const char* number = p;
    if (!readVersion(p, major, minor)) return ArchiveRelease::unknown();
    bool fraction = std::memchr(number, '.', static_cast<size_t>(p - number)) != nullptr;
    if (!fraction) {
        // A year release, "2019 R2": its build number, or the year's last two digits and R.
        const char* q = p;
        skipBlanks(q);
        int update = 0;
        if (*q == 'R' && isDigit(q[1]) && readNumber(++q, update)) {
            if (readBuild(q, release)) return release;
            return ArchiveRelease::of(major % 100, update);
        }
    }
    return ArchiveRelease::of(major, minor);
}

namespace {

// Forms of a known release. 4.x: nodes by x, attribute and node lines for elements. 5.0 to 5.3:
// lines; 5.4: blocks of 18 numbers; 5.5 and later 5.x: blocks of 19. 6 and later: as 5.6.
LineForms formsOfRelease(int major, int minor) {
    using Nodes = LineForms::Nodes;
    using Elements = LineForms::Elements;
    if (major >= 6) return {Nodes::Block, Elements::Block19};
    bool nodeLines = minor >= 0 && minor <= 3;
    int elementSelector = major == 4 ? 0 : minor;
    LineForms forms;
    forms.nodes = nodeLines ? static_cast<Nodes>(minor) : Nodes::Block;
    if (elementSelector >= 0 && elementSelector <= 3)
        forms.elements = Elements::AttributeLines;
    else
        forms.elements = elementSelector == 4 ? Elements::Block18 : Elements::Block19;
    return forms;
}

}  // namespace

LineForms lineFormsOf(const ArchiveRelease& release, const FormEvidence& evidence) {
    if (release.known) return formsOfRelease(release.major, release.minor);
    if (evidence.blocks) return formsOfRelease(5, evidence.eighteenNumbers ? 4 : 6);
    return formsOfRelease(5, evidence.nodeLineMinor < 0 ? 0 : evidence.nodeLineMinor);
}
