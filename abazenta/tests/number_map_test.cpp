// Dense numbering of ABAQUS numbers.
#include "number_map.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>
#include <vector>

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

// Small numbers go to a plain table and others are hashed; whatever the order in which they
// come, every number keeps the index it was given. Checked against a reference map on runs of
// consecutive, spread, descending, negative and scattered numbers, with and without reserve.
TEST(NumberMap, KeepsEveryIndexWhateverTheNumbersAndTheirOrder) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> any(-2147483647 - 1, 2147483647);
    std::vector<std::vector<int>> runs = {
        {10, 20, 30, 40, 50, 60, 70, 80, 90, 11, 21, 41, 12},  // fills the table's edges
        {},
        {},
        {},
        {}};
    for (int n = 1; n <= 5000; ++n) runs[1].push_back(n);
    for (int n = 5000; n >= 1; --n) runs[2].push_back(n * 37);
    for (int n = 0; n < 5000; ++n) runs[3].push_back(n % 2 == 0 ? -n : 1000000 - n);
    for (int n = 0; n < 5000; ++n) runs[4].push_back(any(random) % (n % 3 == 0 ? 100 : 1 << 30));
    for (bool reserve : {false, true}) {
        for (const std::vector<int>& run : runs) {
            NumberMap map;
            if (reserve) map.reserve(run.size());
            std::unordered_map<int, int> reference;
            for (int number : run) {
                const auto [entry, is_new] =
                    reference.try_emplace(number, static_cast<int>(reference.size()));
                ASSERT_EQ(map.find_or_add(number), entry->second) << number;
            }
            for (const auto& [number, index] : reference) ASSERT_EQ(map.find(number), index);
            EXPECT_EQ(map.count(), static_cast<int>(reference.size()));
            for (int absent : {-7, 5001, 2147483647})
                EXPECT_EQ(map.find(absent), reference.count(absent) == 0 ? -1 : reference[absent]);
        }
    }
}

}  // namespace
}  // namespace abazenta
