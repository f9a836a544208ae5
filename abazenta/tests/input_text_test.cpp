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

TEST(InputText, MapsARegularFileFromWhereItIsRead) {
    ScratchDir dir;
    writeFile(dir.file("deck.inp"), "*NODE\n1, 0., 0.\n");
    OpenFile file(dir.file("deck.inp"));
    InputText text;
    ASSERT_TRUE(text.map(file.descriptor()));
    EXPECT_EQ(text.view(), "*NODE\n1, 0., 0.\n");

    // A descriptor already read from (standard input after a shell read a line) maps the rest.
    ASSERT_EQ(lseek(file.descriptor(), 6, SEEK_SET), 6);
    InputText rest;
    ASSERT_TRUE(rest.map(file.descriptor()));
    EXPECT_EQ(rest.view(), "1, 0., 0.\n");

    InputText moved = std::move(text);
    EXPECT_EQ(moved.view(), "*NODE\n1, 0., 0.\n");
    EXPECT_EQ(text.view(), "");
    moved.release();
    EXPECT_EQ(moved.view(), "");
}

// An empty file (as files of /proc tell themselves), a pipe and a folder are read instead.
TEST(InputText, MapsNothingButNonEmptyRegularFiles) {
    ScratchDir dir;
    writeFile(dir.file("empty.inp"), "");
    OpenFile empty(dir.file("empty.inp"));
    InputText text;
    EXPECT_FALSE(text.map(empty.descriptor()));
    OpenFile folder(dir.path());
    EXPECT_FALSE(text.map(folder.descriptor()));
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    EXPECT_FALSE(text.map(pipe_ends[0]));
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    EXPECT_FALSE(text.map(-1));
    EXPECT_EQ(text.view(), "");
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
