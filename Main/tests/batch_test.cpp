// The program in batch mode: messages, exit statuses and what it leaves on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "batch.h"
#include "files.h"
#include "process.h"

namespace {

using zenta_test::fileExists;
using zenta_test::readFile;
using zenta_test::runProgram;
using zenta_test::RunResult;
using zenta_test::ScratchDir;
using zenta_test::writeFile;

const std::string kGood = "t\n1 0 0 1\n5 0.5 1\nENDBC\n";
const std::string kGoodCurrent = "t\n1 0 0 1\n1 0.5 1\nENDBC\n";
const std::string kMalformed = "t\n2 0 0 1\n5 0.5 1\n";

RunResult Migrate(const std::vector<std::string>& args) {
    return runProgram(INPMIGRATE_EXE, args, "");
}

std::string Fixture(const std::string& name) {
    return std::string(DATA_DIR) + "/" + name;
}

TEST(BatchMode, ConvertsEveryFixtureToItsExpectedFile) {
    ScratchDir dir;
    for (const char* name :
         {"abaqus_single", "ansys_single", "renumbered", "all_sections", "layered"}) {
        SCOPED_TRACE(name);
        const std::string input = Fixture(std::string(name) + ".inp");
        const std::string before = readFile(input);
        const std::string output = dir.file(std::string(name) + ".out");
        const RunResult r = Migrate({input, output});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "Conversion completed\n");
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(readFile(output), readFile(Fixture(std::string(name) + "_current.inp")));
        EXPECT_EQ(readFile(input), before);
    }
}

TEST(BatchMode, LfCrLfAndCrLineEndsConvertAlike) {
    ScratchDir dir;
    const std::string lf = readFile(Fixture("renumbered.inp"));
    const std::string expected = readFile(Fixture("renumbered_current.inp"));
    for (const std::string line_end : {"\r\n", "\r"}) {
        std::string variant;
        for (char c : lf) variant += c == '\n' ? line_end : std::string(1, c);
        writeFile(dir.file("variant.inp"), variant);
        const RunResult r = Migrate({dir.file("variant.inp"), dir.file("out.inp")});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "Conversion completed\n");
        EXPECT_EQ(readFile(dir.file("out.inp")), expected);
    }
}

TEST(BatchMode, OverwritesAnExistingOutputWithoutAsking) {
    ScratchDir dir;
    writeFile(dir.file("in.inp"), kGood);
    writeFile(dir.file("out.inp"), "an older and much longer file\nwith two lines\n");
    const RunResult r = Migrate({dir.file("in.inp"), dir.file("out.inp")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Conversion completed\n");
    EXPECT_EQ(readFile(dir.file("out.inp")), kGoodCurrent);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"in.inp", "out.inp"}));
}

TEST(BatchMode, FormatErrorLeavesNoNewFileAndAnExistingOneUnchanged) {
    ScratchDir dir;
    writeFile(dir.file("bad.inp"), kMalformed);
    RunResult r = Migrate({dir.file("bad.inp"), dir.file("new.inp")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "File Format Error!!\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"bad.inp"});

    writeFile(dir.file("old.inp"), "keep me\n");
    r = Migrate({dir.file("bad.inp"), dir.file("old.inp")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "File Format Error!!\n");
    EXPECT_EQ(readFile(dir.file("old.inp")), "keep me\n");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"bad.inp", "old.inp"}));
}

TEST(BatchMode, UnreadableInputIsNamed) {
    ScratchDir dir;
    const std::string missing = dir.file("missing.inp");
    RunResult r = Migrate({missing, dir.file("out.inp")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Error opening file (" + missing + ")\n");
    // A directory is no input file either.
    r = Migrate({dir.path(), dir.file("out.inp")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error opening file (" + dir.path() + ")\n");
    // Nor a named pipe, which would wait for a writer.
    ASSERT_EQ(mkfifo(dir.file("pipe.inp").c_str(), 0600), 0);
    r = Migrate({dir.file("pipe.inp"), dir.file("out.inp")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error opening file (" + dir.file("pipe.inp") + ")\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"pipe.inp"});
}

TEST(BatchMode, UnwritableOutputIsNamed) {
    ScratchDir dir;
    writeFile(dir.file("in.inp"), kGood);
    const std::string nowhere = dir.file("no-such-folder/out.inp");
    const RunResult r = Migrate({dir.file("in.inp"), nowhere});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Error writing file (" + nowhere + ")\n");
}

TEST(BatchMode, SameFileIsRefusedAndTheInputKept) {
    ScratchDir dir;
    writeFile(dir.file("model.inp"), kGood);
    ASSERT_EQ(symlink(dir.file("model.inp").c_str(), dir.file("link.inp").c_str()), 0);
    ASSERT_EQ(link(dir.file("model.inp").c_str(), dir.file("hard.inp").c_str()), 0);
    const std::vector<std::vector<std::string>> same_pairs = {
        {dir.file("model.inp"), dir.file("model.inp")},
        {dir.file("model.inp"), dir.path() + "/./model.inp"},
        {dir.file("model.inp"), dir.file("link.inp")},
        {dir.file("hard.inp"), dir.file("model.inp")},
    };
    for (const auto& pair : same_pairs) {
        SCOPED_TRACE(pair[1]);
        const RunResult r = Migrate(pair);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Input and Output files are the same\n");
        EXPECT_EQ(readFile(dir.file("model.inp")), kGood);
    }
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"hard.inp", "link.inp", "model.inp"}));
}

TEST(BatchMode, RelativeNamesAreTakenFromTheWorkingFolder) {
    ScratchDir dir;
    writeFile(dir.file("in.inp"), kGood);
    const RunResult r = runProgram(INPMIGRATE_EXE, {"in.inp", "out.inp"}, "", dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readFile(dir.file("out.inp")), kGoodCurrent);
}

TEST(BatchMode, OutputGetsTheUsualPermissions) {
    ScratchDir dir;
    writeFile(dir.file("in.inp"), kGood);
    ASSERT_EQ(Migrate({dir.file("in.inp"), dir.file("out.inp")}).status, 0);
    struct stat info;
    ASSERT_EQ(stat(dir.file("out.inp").c_str(), &info), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(BatchMode, HelpAndWrongUse) {
    RunResult r = Migrate({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, Zenta2D::kUsageText);
    EXPECT_EQ(r.err, "");
    r = Migrate({"only-one.inp"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, Zenta2D::kUsageText);
    r = Migrate({"a.inp", "b.inp", "c.inp"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, Zenta2D::kUsageText);
}

// Help and version need no display: both answer with the display variable removed.
TEST(BatchMode, HelpAndVersionWithoutADisplay) {
    const struct {
        const char* argument;
        std::string out;
    } cases[] = {{"--help", Zenta2D::kUsageText},
                 {"-h", Zenta2D::kUsageText},
                 {"--version", "inpmigrate " PROJECT_VERSION "\n"}};
    for (const auto& c : cases) {
        const RunResult r =
            runProgram("/usr/bin/env", {"-u", "DISPLAY", INPMIGRATE_EXE, c.argument}, "");
        EXPECT_EQ(r.status, 0) << c.argument;
        EXPECT_EQ(r.out, c.out) << c.argument;
        EXPECT_EQ(r.err, "") << c.argument;
    }
    EXPECT_NE(std::string(Zenta2D::kUsageText).find("\n       inpmigrate --version "),
              std::string::npos);
}

TEST(BatchMode, WindowWithoutADisplayFailsCleanly) {
    ScratchDir home;
    // Without arguments the program is the window, which needs a display; name one that no
    // server serves.
    const RunResult r =
        runProgram("/usr/bin/env", {"DISPLAY=:64999", "HOME=" + home.path(), INPMIGRATE_EXE}, "");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("unable to open display"), std::string::npos) << r.err;
}

TEST(RunMode, ChosenFromTheArguments) {
    using Zenta2D::ChooseRunMode;
    using Zenta2D::RunMode;
    EXPECT_EQ(ChooseRunMode({}), RunMode::kWindow);
    EXPECT_EQ(ChooseRunMode({"-display", ":3"}), RunMode::kWindow);
    EXPECT_EQ(ChooseRunMode({"in.inp", "out.inp"}), RunMode::kBatch);
    EXPECT_EQ(ChooseRunMode({"--help"}), RunMode::kHelp);
    EXPECT_EQ(ChooseRunMode({"-h"}), RunMode::kHelp);
    EXPECT_EQ(ChooseRunMode({"--version"}), RunMode::kVersion);
    EXPECT_EQ(ChooseRunMode({"--version", "in.inp"}), RunMode::kVersion);
    EXPECT_EQ(ChooseRunMode({"in.inp", "--version"}), RunMode::kUsage);
    EXPECT_EQ(ChooseRunMode({"-version"}), RunMode::kWindow);
    EXPECT_EQ(ChooseRunMode({"in.inp"}), RunMode::kUsage);
    EXPECT_EQ(ChooseRunMode({"in.inp", "-x"}), RunMode::kUsage);
    EXPECT_EQ(ChooseRunMode({"a", "b", "c"}), RunMode::kUsage);
}

}  // namespace
