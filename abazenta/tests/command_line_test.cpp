// Examination of the command-line arguments.
#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "error.h"

namespace abazenta {
namespace {

using Args = std::vector<std::string>;

constexpr char kUsage[] =
    "\nABAQUS to ZENTA translator:\n\nabazenta < abaqus input file > zenta.inp file\n\n\n";

TEST(ParseArguments, NoArgumentsReadStandardInputAndWriteStandardOutput) {
    const Options options = parse_arguments({});
    EXPECT_EQ(options.in_file_name, "");
    EXPECT_EQ(options.out_file_name, "");
    EXPECT_FALSE(options.no_gap);
    EXPECT_FALSE(options.full);
}

TEST(ParseArguments, TakesTheWordAfterInAndOutLaterOnesWinning) {
    Options options = parse_arguments({"-in", "a.inp", "-out", "b.inp", "-in", "c.inp"});
    EXPECT_EQ(options.in_file_name, "c.inp");
    EXPECT_EQ(options.out_file_name, "b.inp");
    options = parse_arguments({"-out", "x", "-out", "y"});
    EXPECT_EQ(options.out_file_name, "y");
    const std::string long_name(5000, 'n');
    EXPECT_EQ(parse_arguments({"-in", long_name}).in_file_name, long_name);
    EXPECT_EQ(parse_arguments({"-in", ""}).in_file_name, "");
}

TEST(ParseArguments, ValueIsAlsoExaminedAsAnArgument) {
    // "-in -out x": the value of -in is "-out", which then takes "x" as its own value.
    const Options options = parse_arguments({"-in", "-out", "x"});
    EXPECT_EQ(options.in_file_name, "-out");
    EXPECT_EQ(options.out_file_name, "x");
    EXPECT_TRUE(parse_arguments({"-out", "-nogap"}).no_gap);
}

TEST(ParseArguments, IgnoresOtherWordsAndAcceptsNogapAndFull) {
    const Options options = parse_arguments({"model.inp", "-H", "-nogap", "--in", "-IN", "-FULL"});
    EXPECT_EQ(options.in_file_name, "");
    EXPECT_TRUE(options.no_gap);
    EXPECT_FALSE(options.full);
    EXPECT_TRUE(parse_arguments({"-in", "-full"}).full);
}

// "--help" and "--version" end the examination where they stand, like "-h"; what follows
// them is not examined.
TEST(ParseArguments, HelpAndVersionEndTheExamination) {
    const struct {
        Args args;
        bool help;
        bool version;
        const char* in_file_name;
    } cases[] = {
        {{"--help"}, true, false, ""},
        {{"--version"}, false, true, ""},
        {{"-in", "--help"}, true, false, "--help"},
        {{"-in", "a.inp", "--version", "-in"}, false, true, "a.inp"},
        {{"--help", "-h"}, true, false, ""},
        {{"--version", "--help"}, false, true, ""},
        {{"-help", "-version", "--HELP", "-V"}, false, false, ""},
    };
    for (const auto& c : cases) {
        const Options options = parse_arguments(c.args);
        EXPECT_EQ(options.help, c.help) << ::testing::PrintToString(c.args);
        EXPECT_EQ(options.version, c.version) << ::testing::PrintToString(c.args);
        EXPECT_EQ(options.in_file_name, c.in_file_name) << ::testing::PrintToString(c.args);
    }
}

TEST(ParseArguments, PrintsUsageForHelpAndForAMissingValue) {
    const std::vector<Args> usage_cases = {
        {"-h"},   {"-nogap", "x", "-h"}, {"-in", "-h"}, {"-out", "-h"},   {"-in"},
        {"-out"}, {"-in", "a", "-out"},  {"-h", "-in"}, {"-h", "--help"},
    };
    for (const Args& args : usage_cases) {
        try {
            parse_arguments(args);
            ADD_FAILURE() << "no usage for " << ::testing::PrintToString(args);
        } catch (const TranslationError& error) {
            EXPECT_STREQ(error.what(), kUsage);
            EXPECT_EQ(error.status(), 1);
        }
    }
}

}  // namespace
}  // namespace abazenta
