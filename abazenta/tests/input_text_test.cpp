// The input of a run in memory: regular files mapped from where they are read, streams read.
#include "input_text.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <utility>

#include "files.h"

namespace abazenta {
namespace {

using zenta_test::ScratchDir;
using zenta_test::writeFile;

// A descriptor open for reading, closed at the end of the scope.
class OpenFile {
  public:
    explicit OpenFile(const std::string& path) : descriptor_(open(path.c_str(), O_RDONLY)) {}
    ~OpenFile() {
        if (descriptor_ >= 0) close(descriptor_);
    }
    int descriptor() const { return descriptor_; }

  private:
    int descriptor_;
};

// What InputText::map takes from a file holding `contents` from `position` on ("-": no map).
std::string mapped(const std::string& contents, off_t position = 0) {
    ScratchDir dir;
    writeFile(dir.file("deck.inp"), contents);
    OpenFile file(dir.file("deck.inp"));
    if (lseek(file.descriptor(), position, SEEK_SET) != position) return "lseek failed";
    InputText text;
    return text.map(file.descriptor()) ? std::string(text.view()) : "-";
}

// A regular file from where it is read (standard input after a shell read a line maps the
// rest); an empty file, as files of /proc tell themselves, is read instead.
TEST(InputText, MapsARegularFileFromWhereItIsRead) {
    EXPECT_EQ(mapped("*NODE\n1, 0., 0.\n"), "*NODE\n1, 0., 0.\n");
    EXPECT_EQ(mapped("*NODE\n1, 0., 0.\n", 6), "1, 0., 0.\n");
    EXPECT_EQ(mapped("*NODE\n", 9), "");
    EXPECT_EQ(mapped(""), "-");
}

// A pipe and a folder are read, not mapped; a mapped text moves and goes.
TEST(InputText, MapsNothingButRegularFilesAndMovesWhatItMapped) {
    ScratchDir dir;
    OpenFile folder(dir.path());
    InputText text;
    EXPECT_FALSE(text.map(folder.descriptor()));
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    EXPECT_FALSE(text.map(pipe_ends[0]));
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    EXPECT_FALSE(text.map(-1));
    EXPECT_EQ(text.view(), "");

    writeFile(dir.file("deck.inp"), "*NODE\n");
    OpenFile file(dir.file("deck.inp"));
    ASSERT_TRUE(text.map(file.descriptor()));
    InputText moved = std::move(text);
    EXPECT_EQ(moved.view(), "*NODE\n");
    EXPECT_EQ(text.view(), "");
    moved.release();
    EXPECT_EQ(moved.view(), "");
}

TEST(InputText, ReadsAStreamWhole) {
    // Longer than the first piece read, so that the buffer grows.
    std::string deck;
    for (int i = 0; deck.size() < (std::size_t{3} << 20); ++i)
        deck += std::to_string(i) + ", 0.5, 1.5\n";
    std::istringstream in(deck);
    InputText text;
    ASSERT_TRUE(text.read(in));
    EXPECT_EQ(text.view(), deck);
    std::istringstream nothing("");
    ASSERT_TRUE(text.read(nothing));
    EXPECT_EQ(text.view(), "");
}

}  // namespace
}  // namespace abazenta
