// Output through a temporary file: the target changes only on a successful commit.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files.h"
#include "replacing_file.h"

namespace {

using zenta_test::readFile;
using zenta_test::ScratchDir;
using zenta_test::writeFile;

TEST(ReplacingFile, CommitReplacesTheTarget) {
    ScratchDir dir;
    writeFile(dir.file("out.inp"), "old contents\n");
    zenta::ReplacingFile out;
    ASSERT_TRUE(out.Open(dir.file("out.inp")));
    out.Stream() << "new\n";
    EXPECT_EQ(readFile(dir.file("out.inp")), "old contents\n");  // untouched until the commit
    EXPECT_EQ(dir.entries().size(), 2u);
    EXPECT_TRUE(out.Commit());
    EXPECT_EQ(readFile(dir.file("out.inp")), "new\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.inp"});
}

TEST(ReplacingFile, DiscardAndDestructorLeaveTheTargetAsItWas) {
    ScratchDir dir;
    writeFile(dir.file("kept.inp"), "kept\n");
    {
        zenta::ReplacingFile out;
        ASSERT_TRUE(out.Open(dir.file("kept.inp")));
        out.Stream() << "partial";
        out.Discard();
        EXPECT_FALSE(out.IsOpen());
        ASSERT_TRUE(out.Open(dir.file("fresh.inp")));
        out.Stream() << "partial";
    }
    EXPECT_EQ(readFile(dir.file("kept.inp")), "kept\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"kept.inp"});
}

TEST(ReplacingFile, FailsWhereNoFileCanBeCreated) {
    ScratchDir dir;
    zenta::ReplacingFile out;
    EXPECT_FALSE(out.Open(dir.file("missing/out.inp")));
    EXPECT_FALSE(out.Open(""));
    EXPECT_FALSE(out.Open(dir.path() + "/"));
    EXPECT_FALSE(out.Commit());
    EXPECT_TRUE(dir.entries().empty());
}

TEST(ReplacingFile, FailedWriteIsNotCommitted) {
    ScratchDir dir;
    writeFile(dir.file("out.inp"), "old\n");
    zenta::ReplacingFile out;
    ASSERT_TRUE(out.Open(dir.file("out.inp")));
    out.Stream() << "half";
    out.Stream().setstate(std::ios::badbit);  // as a full disk leaves the stream
    EXPECT_FALSE(out.Commit());
    EXPECT_EQ(readFile(dir.file("out.inp")), "old\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.inp"});
}

TEST(ReplacingFile, ReplacedFileKeepsItsPermissions) {
    ScratchDir dir;
    writeFile(dir.file("private.inp"), "old\n");
    ASSERT_EQ(chmod(dir.file("private.inp").c_str(), 0640), 0);
    zenta::ReplacingFile out;
    ASSERT_TRUE(out.Open(dir.file("private.inp")));
    out.Stream() << "new\n";
    ASSERT_TRUE(out.Commit());
    struct stat info;
    ASSERT_EQ(stat(dir.file("private.inp").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(ReplacingFile, NewFileGetsTheRequestedModeLessTheUmask) {
    ScratchDir dir;
    const mode_t old_mask = umask(022);
    zenta::ReplacingFile plain, mrp;
    const bool opened = plain.Open(dir.file("a.inp")) && mrp.Open(dir.file("b.mrp"), 0664);
    const bool committed = opened && plain.Commit() && mrp.Commit();
    umask(old_mask);
    ASSERT_TRUE(committed);
    struct stat a, b;
    ASSERT_EQ(stat(dir.file("a.inp").c_str(), &a), 0);
    ASSERT_EQ(stat(dir.file("b.mrp").c_str(), &b), 0);
    EXPECT_EQ(a.st_mode & 07777, 0644u);
    EXPECT_EQ(b.st_mode & 07777, 0644u & 0664u);
}

TEST(ReplacingFile, SymbolicLinkIsFollowed) {
    ScratchDir dir;
    writeFile(dir.file("real.inp"), "old\n");
    ASSERT_EQ(symlink("real.inp", dir.file("link.inp").c_str()), 0);
    zenta::ReplacingFile out;
    ASSERT_TRUE(out.Open(dir.file("link.inp")));
    out.Stream() << "new\n";
    ASSERT_TRUE(out.Commit());
    EXPECT_EQ(readFile(dir.file("real.inp")), "new\n");
    struct stat info;
    ASSERT_EQ(lstat(dir.file("link.inp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST(ReplacingFile, ReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser may write any file";
    ScratchDir dir;
    writeFile(dir.file("locked.inp"), "old\n");
    ASSERT_EQ(chmod(dir.file("locked.inp").c_str(), 0444), 0);
    zenta::ReplacingFile out;
    EXPECT_FALSE(out.Open(dir.file("locked.inp")));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"locked.inp"});
}

TEST(ReplacingFile, LongestNameStillGetsATemporary) {
    ScratchDir dir;
    const std::string name(255, 'n');  // the longest name a folder entry may have
    zenta::ReplacingFile out;
    ASSERT_TRUE(out.Open(dir.file(name)));
    out.Stream() << "x";
    ASSERT_TRUE(out.Commit());
    EXPECT_EQ(readFile(dir.file(name)), "x");
}

TEST(ReplacingFile, DirectoryIsNoTarget) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    zenta::ReplacingFile out;
    EXPECT_FALSE(out.Open(dir.file("sub")));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"sub"});
}

TEST(ReplacingFile, BareNameGoesToTheWorkingFolder) {
    ScratchDir dir;
    const std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    {
        zenta::ReplacingFile out;
        EXPECT_TRUE(out.Open("bare.inp"));
        out.Stream() << "x";
        EXPECT_TRUE(out.Commit());
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(readFile(dir.file("bare.inp")), "x");
}

}  // namespace
