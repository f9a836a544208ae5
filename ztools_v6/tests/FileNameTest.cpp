// FileName: directory, name, base name, extension and separator handling.
#include <gtest/gtest.h>

#include <string>

#include "FileName.h"

using ZTools::FileName;
using ZTools::String;

namespace {

struct PathCase {
    const char* path;
    const char* directory;
    const char* fullName;
    const char* baseName;
    const char* extension;
    const char* stripped;
};

const PathCase kPaths[] = {
    {"dir/file.txt", "dir", "file.txt", "file", "txt", "dir/file"},
    {"dir\\sub/file.inp", "dir\\sub", "file.inp", "file", "inp", "dir\\sub/file"},
    {"archive.tar.gz", "", "archive.tar.gz", "archive.tar", "gz", "archive.tar"},
    {"dir/.profile", "dir", ".profile", ".profile", "", "dir/.profile"},
    {"a.b/c", "a.b", "c", "c", "", "a.b/c"},
    {"file.", "", "file.", "file", "", "file"},
    {"/file", "/", "file", "file", "", "/file"},
    {"/a/b", "/a", "b", "b", "", "/a/b"},
    {"dir/", "dir", "", "", "", "dir/"},
    {"", "", "", "", "", ""},
    // Beyond the basic table: roots, dots and backslashes alone.
    {"/", "/", "", "", "", "/"},
    {"\\x\\y.z", "\\x", "y.z", "y", "z", "\\x\\y"},
    {"..x", "", "..x", ".", "x", "."},
    {".", "", ".", ".", "", "."},
    {"a/.b.c", "a", ".b.c", ".b", "c", "a/.b"},
    {"C:\\models\\plate.INP", "C:\\models", "plate.INP", "plate", "INP", "C:\\models\\plate"},
};

std::string Text(const String& s) {
    return s.AsStr();
}

}  // namespace

TEST(FileNameParts, EachPathTakesApartAsExpected) {
    for (const PathCase& c : kPaths) {
        const FileName name(c.path);
        EXPECT_EQ(Text(name.Directory()), c.directory) << "Directory of '" << c.path << "'";
        EXPECT_EQ(Text(name.FullName()), c.fullName) << "FullName of '" << c.path << "'";
        EXPECT_EQ(Text(name.BaseName()), c.baseName) << "BaseName of '" << c.path << "'";
        EXPECT_EQ(Text(name.Extension()), c.extension) << "Extension of '" << c.path << "'";
        EXPECT_EQ(Text(name.StripExtension()), c.stripped)
            << "StripExtension of '" << c.path << "'";
        EXPECT_EQ(Text(name), c.path) << "queries must not change the path";
    }
}

TEST(FileNameParts, ExtensionIsNeverTakenFromTheDirectory) {
    FileName name("my.dir/sub.d/readme");
    EXPECT_EQ(Text(name.Extension()), "");
    EXPECT_EQ(Text(name.BaseName()), "readme");
    EXPECT_EQ(Text(name.StripExtension()), "my.dir/sub.d/readme");
}

TEST(FileNameSeparators, ToNativePathSepTurnsBackslashesIntoSlashes) {
    FileName mixed("dir\\sub\\file");
    mixed.ToNativePathSep();
    EXPECT_EQ(Text(mixed), "dir/sub/file");
    FileName slashes("dir/sub/file");
    slashes.ToNativePathSep();
    EXPECT_EQ(Text(slashes), "dir/sub/file");
    EXPECT_EQ(FileName::GetPathSeparator(), '/');
}

TEST(FileNameValue, ConstructionCopyAndAssignment) {
    FileName a("dir/one.inp");
    FileName b(a);
    FileName c;
    EXPECT_EQ(Text(c), "");
    FileName& result = (c = b);
    EXPECT_EQ(&result, &c);
    EXPECT_EQ(Text(c), "dir/one.inp");
    FileName& alias = c;
    c = alias;
    EXPECT_EQ(Text(c), "dir/one.inp");
    EXPECT_EQ(Text(FileName("dir/one.inp", 3)), "dir");
    EXPECT_EQ(Text(FileName(String("x.y")).Extension()), "y");
    String asString = c.ToString();
    EXPECT_TRUE(asString == "dir/one.inp");
}

TEST(FileNameValue, ProposedNameIsBuiltByAppending) {
    // The save dialog proposes the last directory, "/Untitled." and the extension.
    FileName last("models/plate.inp");
    FileName proposed(last.Directory());
    proposed += "/Untitled.";
    proposed += last.Extension();
    EXPECT_EQ(Text(proposed), "models/Untitled.inp");
    EXPECT_EQ(Text(proposed.BaseName()), "Untitled");
}
