// Tests of the archive release: every form of release line that archives carry, and the line
// forms that a release (or the content of an archive without one) selects.
#include <gtest/gtest.h>

#include <string>

#include "archive_release.h"

namespace {

struct ReleaseLineCase {
    const char* line;
    ArchiveRelease release;
    const char* versionLine;
};

TEST(ParseReleaseLine, EveryFormOfTheReleaseLine) {
    const ArchiveRelease unknown = ArchiveRelease::unknown();
    const ReleaseLineCase cases[] = {
        {"/COM,ANSYS RELEASE  5.6    UP19991004       10:22:46    03/15/2000\n",
         ArchiveRelease::of(5, 6), "ANSYS Version: 5.6\n"},
        {"/COM,ANSYS RELEASE  4.4A   UP19910301\n", ArchiveRelease::of(4, 4),
         "ANSYS Version: 4.4\n"},
        {"/COM,ANSYS RELEASE  3.2\n", ArchiveRelease::of(3, 2), "ANSYS Version: 3.2\n"},
        {"/COM,ANSYS RELEASE  5.10\r\n", ArchiveRelease::of(5, 10), "ANSYS Version: 5.10\n"},
        {"/COM,ANSYS RELEASE 11.0    UP20070125       15:25:07    06/22/2012\r\n",
         ArchiveRelease::of(11, 0), "ANSYS Version: 11.0\n"},
        {"/COM,ANSYS RELEASE 14.0BETAUP20110714       10:01:01    07/20/2011\n",
         ArchiveRelease::of(14, 0), "ANSYS Version: 14.0\n"},
        {"/COM,ANSYS RELEASE Release 17.2      BUILD 17.2      UP20161004       09:15:00\n",
         ArchiveRelease::of(17, 2), "ANSYS Version: 17.2\n"},
        {"/COM,ANSYS RELEASE 2019 R2           BUILD 19.4      UP20190730       14:43:15\n",
         ArchiveRelease::of(19, 4), "ANSYS Version: 19.4\n"},
        {"/COM,ANSYS RELEASE 2025 R1           BUILD  0.0      UP20241202       11:06:31\n",
         ArchiveRelease::of(25, 1), "ANSYS Version: 25.1\n"},
        {"/COM,ANSYS RELEASE 2022 R2\n", ArchiveRelease::of(22, 2), "ANSYS Version: 22.2\n"},
        {"/COM,ANSYS RELEASE                   BUILD 19.5      UP20191109       09:12:40\n",
         ArchiveRelease::of(19, 5), "ANSYS Version: 19.5\n"},
        {"/COM,ANSYS RELEASE                   BUILD  0.0      UP20191109\n", unknown,
         "ANSYS Version: unknown\n"},
        {"/COM,ANSYS RELEASE PRIME RELEASE 2023 R1\n", unknown, "ANSYS Version: unknown\n"},
        {"/COM,ANSYS RELEASE", unknown, "ANSYS Version: unknown\n"},
        {"/COM,ANSYS RELEASE  1234567.0\n", unknown, "ANSYS Version: unknown\n"},
        {"/COM,ANSYS RELEASE  5.9999999\n", unknown, "ANSYS Version: unknown\n"},
        {"/COM,ANSYS PRIME RELEASE 2023 R1\n", unknown, "ANSYS Version: unknown\n"},
    };
    for (const ReleaseLineCase& c : cases) {
        ArchiveRelease release = parseReleaseLine(c.line);
        EXPECT_EQ(release, c.release) << c.line;
        EXPECT_EQ(release.versionLine(), c.versionLine) << c.line;
    }
}

struct FormsCase {
    ArchiveRelease release;
    FormEvidence evidence;
    LineForms forms;
};

TEST(LineFormsOf, ByReleaseAndForUnknownReleasesByContent) {
    using N = LineForms::Nodes;
    using E = LineForms::Elements;
    const FormEvidence none;
    const FormEvidence blocks{true, false, -1};
    const FormEvidence eighteen{true, true, 3};
    const FormEvidence lines52{false, false, 2};
    const FormsCase cases[] = {
        {ArchiveRelease::of(4, 2), none, {N::R52Lines, E::AttributeLines}},
        {ArchiveRelease::of(4, 6), none, {N::Block, E::AttributeLines}},
        {ArchiveRelease::of(5, 0), blocks, {N::R50Lines, E::AttributeLines}},
        {ArchiveRelease::of(5, 3), none, {N::R53Lines, E::AttributeLines}},
        {ArchiveRelease::of(5, 4), none, {N::Block, E::Block18}},
        {ArchiveRelease::of(5, 5), none, {N::Block, E::Block19}},
        {ArchiveRelease::of(5, 9), none, {N::Block, E::Block19}},
        {ArchiveRelease::of(6, 1), none, {N::Block, E::Block19}},
        {ArchiveRelease::of(11, 2), lines52, {N::Block, E::Block19}},
        {ArchiveRelease::of(25, 1), none, {N::Block, E::Block19}},
        {ArchiveRelease::unknown(), blocks, {N::Block, E::Block19}},
        {ArchiveRelease::unknown(), eighteen, {N::Block, E::Block18}},
        {ArchiveRelease::unknown(), lines52, {N::R52Lines, E::AttributeLines}},
        {ArchiveRelease::unknown(), none, {N::R50Lines, E::AttributeLines}},
    };
    for (const FormsCase& c : cases) {
        EXPECT_EQ(lineFormsOf(c.release, c.evidence), c.forms)
            << c.release.versionLine() << c.evidence.blocks << c.evidence.nodeLineMinor;
    }
}

}  // namespace
