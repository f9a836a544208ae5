// Dense numbering of ABAQUS numbers.
#include "number_map.h"

#include <gtest/gtest.h>

namespace abazenta {
namespace {

TEST(NumberMap, GivesDenseIndexesInOrderOfFirstAppearance) {
    NumberMap map;
    EXPECT_EQ(map.find(30), -1);
    EXPECT_EQ(map.find_or_add(30), 0);
    EXPECT_EQ(map.find_or_add(10), 1);
    EXPECT_EQ(map.find_or_add(30), 0);
    EXPECT_EQ(map.find_or_add(20), 2);
    EXPECT_EQ(map.count(), 3);
    EXPECT_EQ(map.find(10), 1);
    EXPECT_EQ(map.find(40), -1);
    EXPECT_EQ(map.count(), 3);  // find never adds
}

TEST(NumberMap, MapsNegativeAndExtremeNumbersLikeAnyOther) {
    NumberMap map;
    EXPECT_EQ(map.find_or_add(-1), 0);
    EXPECT_EQ(map.find_or_add(-500), 1);
    EXPECT_EQ(map.find_or_add(-2147483647 - 1), 2);
    EXPECT_EQ(map.find_or_add(2147483647), 3);
    EXPECT_EQ(map.find_or_add(0), 4);
    EXPECT_EQ(map.find(-500), 1);
    EXPECT_EQ(map.find(500), -1);
}

}  // namespace
}  // namespace abazenta
