// The --version line that every program prints.
#include "version.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionLine, NameBlankVersionAndLineEnd) {
    EXPECT_EQ(zenta::VersionLine("anszenta"), "anszenta " PROJECT_VERSION "\n");
    EXPECT_EQ(zenta::VersionLine("inpmigrate"), "inpmigrate " PROJECT_VERSION "\n");
}

}  // namespace
