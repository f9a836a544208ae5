// The release of ANSYS that wrote an archive, as its release line states it, and the line
// forms of the node and element records that follow from it. The release is parsed once; the
// readers ask the line forms.
#pragma once

#include <string>

// What the release line says.
struct ArchiveRelease {
    bool known = false;  // false: no release line, or one that names no release
    int major = 0;       // release 5.6: 5; release 2019 R2 (build 19.4): 19
    int minor = 0;       // release 5.6: 6; release 2019 R2 (build 19.4): 4

    static ArchiveRelease unknown() { return {}; }
    static ArchiveRelease of(int major, int minor) { return {true, major, minor}; }

    // "ANSYS Version: 5.6\n", or "ANSYS Version: unknown\n".
    std::string versionLine() const;
    // Releases 5.7 to 6.x: read with the forms of 5.6, which the program was last checked with.
    bool newerThanChecked() const { return known && ((major == 5 && minor > 6) || major == 6); }
    // Releases 0 to 3 wrote forms that no reader knows.
    bool tooOld() const { return known && major <= 3; }

    bool operator==(const ArchiveRelease& other) const {
        return known == other.known && major == other.major && minor == other.minor;
    }
};

constexpr const char* kReleasePrefix = "/COM,ANSYS RELEASE";

// Reads the release from a line that begins with kReleasePrefix:
//   "/COM,ANSYS RELEASE  5.6", "... RELEASE 11.0    UP20070125", "... RELEASE 14.0BETAUP2011":
//     the number N.M (letters may touch it);
//   "... RELEASE Release 17.2      BUILD 17.2": the word "Release" first;
//   "... RELEASE 2019 R2           BUILD 19.4": a year release, its build number (without one,
//     or with build 0.0, the year's last two digits and the R number: 2025 R1 is 25.1);
//   "... RELEASE                   BUILD 19.5": blank release, the build number.
// Build 0.0 alone, any other word ("PRIME RELEASE ...") or no number: unknown.
ArchiveRelease parseReleaseLine(const std::string& line);

// How the node and element records of an archive are written.
struct LineForms {
    // Node lines "N,R5.0,LOC" to "N,R5.3,LOC" (in this order), or the rows of an NBLOCK.
    enum class Nodes { R50Lines, R51Lines, R52Lines, R53Lines, Block };
    // "EN," attribute and node lines, or the rows of an EBLOCK of 18 or 19 numbers.
    enum class Elements { AttributeLines, Block18, Block19 };

    Nodes nodes = Nodes::Block;
    Elements elements = Elements::Block19;

    bool operator==(const LineForms& other) const {
        return nodes == other.nodes && elements == other.elements;
    }
};

// What the content of an archive shows about its forms; consulted when the release is unknown.
struct FormEvidence {
    bool blocks = false;           // an "NBLOCK" or "EBLOCK" line
    bool eighteenNumbers = false;  // the first EBLOCK's format line reads "(18i" and a width
    int nodeLineMinor = -1;        // m of the first "N,R5.m,LOC" line; -1 when there is none
};

// The forms of a known release (4.x and 5.x by their own rules, 6 and later as 5.6); for an
// unknown release those of 5.6 when the archive has blocks (5.4 when its element rows have 18
// numbers), else those of 5.m, m from the first node line.
LineForms lineFormsOf(const ArchiveRelease& release, const FormEvidence& evidence);
