// File-name rules of the dialogs: filters, start directory, save proposal, default extension.
#include <gtest/gtest.h>

#include <string>

#include "file_choice.h"

namespace {

using Zenta2D::StringList;
using ZTools::FileName;
using ZTools::String;

StringList Strings(std::initializer_list<const char*> texts) {
    StringList list(6);
    for (const char* t : texts) list.Append(String(t));
    return list;
}

std::string Text(const String& s) {
    return s.AsStr();
}

TEST(FilePatterns, OneLinePerExtensionThenAllFiles) {
    EXPECT_EQ(Text(Zenta2D::FilePatterns(Strings({"inp"}), Strings({"Z2D Input File"}))),
              "Z2D Input File Files (*.inp,*.INP)\nAll Files (*)");
    EXPECT_EQ(Text(Zenta2D::FilePatterns(Strings({"inp", "Dat"}), Strings({"A", "B"}))),
              "A Files (*.inp,*.INP)\nB Files (*.Dat,*.DAT)\nAll Files (*)");
    EXPECT_EQ(Text(Zenta2D::FilePatterns(Strings({}), Strings({}))), "All Files (*)");
}

TEST(FilePatterns, LongNamesAndMissingTypeNames) {
    const std::string long_type(300, 'T');
    EXPECT_EQ(Text(Zenta2D::FilePatterns(Strings({"inp"}), Strings({long_type.c_str()}))),
              long_type + " Files (*.inp,*.INP)\nAll Files (*)");
    EXPECT_EQ(Text(Zenta2D::FilePatterns(Strings({"inp", "txt"}), Strings({"Input"}))),
              "Input Files (*.inp,*.INP)\ntxt Files (*.txt,*.TXT)\nAll Files (*)");
}

TEST(OpenStartPath, TheDirectoryWithATrailingSeparator) {
    EXPECT_EQ(Text(Zenta2D::OpenStartPath(FileName(), FileName("."))), "./");
    EXPECT_EQ(Text(Zenta2D::OpenStartPath(FileName(), FileName("/data/a"))), "/data/a/");
    EXPECT_EQ(Text(Zenta2D::OpenStartPath(FileName(), FileName("/"))), "/");
    EXPECT_EQ(Text(Zenta2D::OpenStartPath(FileName("/data/b/m.inp"), FileName("/data/a"))),
              "/data/b/");
    // A current name without a directory lets the dialog choose where to start.
    EXPECT_EQ(Text(Zenta2D::OpenStartPath(FileName("m.inp"), FileName("/data/a"))), "");
}

TEST(SaveProposal, UntitledInTheLastDirectory) {
    const StringList inp = Strings({"inp"});
    EXPECT_EQ(Text(Zenta2D::SaveProposal(FileName(), FileName("."), inp)), "./Untitled.inp");
    EXPECT_EQ(Text(Zenta2D::SaveProposal(FileName(), FileName("/data/a"), inp)),
              "/data/a/Untitled.inp");
    EXPECT_EQ(Text(Zenta2D::SaveProposal(FileName(), FileName("/"), inp)), "/Untitled.inp");
    EXPECT_EQ(Text(Zenta2D::SaveProposal(FileName("/x/model"), FileName("/data/a"), inp)),
              "/x/model");
    EXPECT_EQ(Text(Zenta2D::SaveProposal(FileName("model"), FileName("/data/a"), inp)),
              "/data/a/model");
    EXPECT_EQ(Text(Zenta2D::SaveProposal(FileName("model.txt"), FileName("/data/a"), inp)),
              "/data/a/model.txt");
}

TEST(WithDefaultExtension, AddedOnlyWhenMissing) {
    const StringList inp = Strings({"inp", "txt"});
    EXPECT_EQ(Text(Zenta2D::WithDefaultExtension(FileName("/d/model"), inp)), "/d/model.inp");
    EXPECT_EQ(Text(Zenta2D::WithDefaultExtension(FileName("/d/model.txt"), inp)), "/d/model.txt");
    EXPECT_EQ(Text(Zenta2D::WithDefaultExtension(FileName("/d.x/model"), inp)), "/d.x/model.inp");
    EXPECT_EQ(Text(Zenta2D::WithDefaultExtension(FileName("/d/.hidden"), inp)), "/d/.hidden.inp");
}

}  // namespace
