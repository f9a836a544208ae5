// Tests of output files that appear only when the run succeeds.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files.h"
#include "output_file.h"

namespace {

using zenta_test::readFile;
using zenta_test::ScratchDir;
using zenta_test::writeFile;

TEST(PendingOutputFile, CommitReplacesTheTarget) {
    ScratchDir dir;
    writeFile(dir.file("out.inp"), "old");
    {
        PendingOutputFile out;
        ASSERT_TRUE(out.open(dir.file("out.inp")));
        out.stream() << "new text\n";
        EXPECT_EQ(readFile(dir.file("out.inp")), "old");
        EXPECT_TRUE(out.commit());
    }
    EXPECT_EQ(readFile(dir.file("out.inp")), "new text\n");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"out.inp"}));
}

TEST(PendingOutputFile, AbandonedRunLeavesNothingBehind) {
    ScratchDir dir;
    writeFile(dir.file("kept.inp"), "old");
    {
        PendingOutputFile fresh, existing;
        ASSERT_TRUE(fresh.open(dir.file("new.inp")));
        ASSERT_TRUE(existing.open(dir.file("kept.inp")));
        fresh.stream() << "partial";
        existing.stream() << "partial";
    }
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"kept.inp"}));
    EXPECT_EQ(readFile(dir.file("kept.inp")), "old");
}

TEST(PendingOutputFile, RefusesWhatCannotBeWritten) {
    ScratchDir dir;
    PendingOutputFile missingFolder, folder;
    EXPECT_FALSE(missingFolder.open(dir.file("no/such/out.inp")));
    EXPECT_FALSE(folder.open(dir.path()));
    EXPECT_TRUE(dir.entries().empty());
}

TEST(PendingOutputFile, NewFileGetsTheRequestedModeAndExistingKeepsItsOwn) {
    ScratchDir dir;
    mode_t oldMask = umask(022);
    {
        PendingOutputFile out;
        ASSERT_TRUE(out.open(dir.file("a.mrp"), 0664));
        ASSERT_TRUE(out.commit());
    }
    writeFile(dir.file("b.mrp"), "x");
    chmod(dir.file("b.mrp").c_str(), 0600);
    {
        PendingOutputFile out;
        ASSERT_TRUE(out.open(dir.file("b.mrp"), 0664));
        ASSERT_TRUE(out.commit());
    }
    umask(oldMask);
    struct stat a, b;
    ASSERT_EQ(stat(dir.file("a.mrp").c_str(), &a), 0);
    ASSERT_EQ(stat(dir.file("b.mrp").c_str(), &b), 0);
    EXPECT_EQ(a.st_mode & 0777, 0644u);
    EXPECT_EQ(b.st_mode & 0777, 0600u);
}

}  // namespace
