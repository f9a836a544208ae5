// Dict: hashing, buckets, rebuilds, entry blocks and look-ups.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Dict.h"

using ZTools::ContractViolation;
using ZTools::Dict;

namespace {

// The bucket rule written out independently: the key times 1103515245 in 64 bits, shifted
// right with sign fill, low 32 bits, masked.
int ExpectedBucket(int key, int downShift, int mask) {
    const int64_t product = static_cast<int64_t>(key) * 1103515245LL;
    const uint32_t low = static_cast<uint32_t>(product >> downShift);
    return static_cast<int>(low & static_cast<uint32_t>(mask));
}

}  // namespace

TEST(DictLayout, ANewTableHasFourInlineBuckets) {
    Dict<int, int> dict(false);
    EXPECT_TRUE(dict.UsesInlineBuckets());
    EXPECT_EQ(dict.BucketCount(), 4);
    EXPECT_EQ(dict.RebuildThreshold(), 12);
    EXPECT_EQ(dict.Shift(), 28);
    EXPECT_EQ(dict.HashMask(), 3);
    EXPECT_EQ(dict.Len(), 0);
    EXPECT_EQ(dict.BlockCount(), 0);
}

TEST(DictLayout, BucketIndexScramblesTheKey) {
    Dict<int, int> dict(false);
    // Hand-computed: 1 * 1103515245 >> 28 = 4, & 3 = 0; 7 * 1103515245 = 7724606715,
    // >> 28 = 28, & 3 = 0; 100 * 1103515245 >> 28 = 411, & 3 = 3; -1 gives -5 & 3 = 3.
    EXPECT_EQ(dict.BucketIndex(1), 0);
    EXPECT_EQ(dict.BucketIndex(7), 0);
    EXPECT_EQ(dict.BucketIndex(100), 3);
    EXPECT_EQ(dict.BucketIndex(-1), 3);
    for (int key : {0, 2, 3, 12345, -77, INT32_MAX, INT32_MIN})
        EXPECT_EQ(dict.BucketIndex(key), ExpectedBucket(key, 28, 3)) << key;
}

TEST(DictLayout, EntriesGoToTheBucketOfTheirKey) {
    Dict<int, int> dict(false);
    for (int key = 0; key < 11; ++key) dict.Store(key, key);
    std::vector<int> counts(4, 0);
    for (int key = 0; key < 11; ++key) ++counts[ExpectedBucket(key, 28, 3)];
    for (int b = 0; b < 4; ++b) EXPECT_EQ(dict.ChainLength(b), counts[b]) << "bucket " << b;
}

TEST(DictRebuild, TheTwelfthKeyGrowsTheTableToSixteenBuckets) {
    Dict<int, int> dict(false);
    for (int key = 1; key <= 11; ++key) dict.Store(key * 3, key);
    EXPECT_EQ(dict.BucketCount(), 4);
    dict.Store(36, 12);
    EXPECT_EQ(dict.BucketCount(), 16);
    EXPECT_FALSE(dict.UsesInlineBuckets());
    EXPECT_EQ(dict.RebuildThreshold(), 48);
    EXPECT_EQ(dict.Shift(), 26);
    EXPECT_EQ(dict.HashMask(), 15);
    for (int key = 1; key <= 12; ++key) EXPECT_EQ(dict[key * 3], key);
    std::vector<int> counts(16, 0);
    for (int key = 1; key <= 12; ++key) ++counts[ExpectedBucket(key * 3, 26, 15)];
    for (int b = 0; b < 16; ++b) EXPECT_EQ(dict.ChainLength(b), counts[b]) << "bucket " << b;
}

TEST(DictRebuild, GrowsFourfoldAtTwelveFortyEightAndOneHundredNinetyTwo) {
    Dict<int, int> dict(false);
    struct Step {
        int entries, buckets, threshold, shift;
    };
    const Step steps[] = {{11, 4, 12, 28},   {12, 16, 48, 26},   {47, 16, 48, 26},
                          {48, 64, 192, 24}, {191, 64, 192, 24}, {192, 256, 768, 22}};
    int stored = 0;
    for (const Step& step : steps) {
        while (stored < step.entries) dict.Store(stored * 7919 - 5000, stored), ++stored;
        EXPECT_EQ(dict.BucketCount(), step.buckets) << step.entries;
        EXPECT_EQ(dict.RebuildThreshold(), step.threshold) << step.entries;
        EXPECT_EQ(dict.Shift(), step.shift) << step.entries;
        EXPECT_EQ(dict.HashMask(), step.buckets - 1) << step.entries;
    }
    for (int i = 0; i < stored; ++i) ASSERT_EQ(dict[i * 7919 - 5000], i);
    for (int i = 0; i < stored; ++i)
        ASSERT_EQ(dict.BucketIndex(i * 7919 - 5000), ExpectedBucket(i * 7919 - 5000, 22, 255));
}

TEST(DictStore, StoringAKeyAgainReplacesItsValue) {
    Dict<int, int> dict(false);
    EXPECT_TRUE(dict.Store(5, 1));
    EXPECT_FALSE(dict.Store(5, 2));
    EXPECT_EQ(dict.Len(), 1);
    EXPECT_EQ(dict[5], 2);
    int chains = 0;
    for (int b = 0; b < dict.BucketCount(); ++b) chains += dict.ChainLength(b);
    EXPECT_EQ(chains, 1);
}

TEST(DictStore, DuplicatesAreKeptSideBySideWhenAllowed) {
    Dict<int, int> dict(true);
    EXPECT_TRUE(dict.Store(5, 1));
    EXPECT_TRUE(dict.Store(5, 2));
    EXPECT_EQ(dict.Len(), 2);
    EXPECT_EQ(dict.ChainLength(dict.BucketIndex(5)), 2);
    EXPECT_EQ(dict[5], 2);  // the latest entry heads its chain
}

TEST(DictStore, NegativeAndExtremeKeysAreFound) {
    Dict<int, int> dict(false);
    const int keys[] = {-1, -2, -1000000, INT32_MIN, INT32_MAX, 0, 1};
    int value = 100;
    for (int key : keys) dict.Store(key, value++);
    for (int i = -500; i < 500; ++i) dict.Store(i * 1000 + 3, i);
    value = 100;
    for (int key : keys) EXPECT_EQ(dict[key], value++) << key;
    for (int i = -500; i < 500; ++i) ASSERT_EQ(dict[i * 1000 + 3], i);
}

TEST(DictStore, EntriesComeFromBlocksOfTwenty) {
    Dict<int, int> dict(false);
    dict.Store(1, 1);
    EXPECT_EQ(dict.BlockCount(), 1);
    for (int key = 2; key <= 20; ++key) dict.Store(key, key);
    EXPECT_EQ(dict.BlockCount(), 1);
    dict.Store(21, 21);
    EXPECT_EQ(dict.BlockCount(), 2);
    dict.Store(21, 22);  // a replacement takes no entry
    for (int key = 22; key <= 40; ++key) dict.Store(key, key);
    EXPECT_EQ(dict.BlockCount(), 2);
}

TEST(DictLookup, AMissingKeyThrowsWithTheCondition) {
    Dict<int, int> dict(false);
    dict.Store(0, 0);
    try {
        dict[17];
        FAIL() << "no exception";
    } catch (const ContractViolation& e) {
        EXPECT_STREQ(e.what(), "key is stored in the Dict");
    }
    const Dict<int, int>& view = dict;
    EXPECT_THROW(view[-3], ContractViolation);
    EXPECT_EQ(dict.Find(17), nullptr);
    EXPECT_FALSE(dict.Contains(17));
    ASSERT_NE(dict.Find(0), nullptr);
    *dict.Find(0) = 9;
    EXPECT_EQ(view[0], 9);
}

TEST(DictLookup, ReferencesStayValidAcrossRebuilds) {
    Dict<int, int> dict(false);
    dict.Store(42, 1);
    int& value = dict[42];
    for (int key = 0; key < 1000; ++key)
        if (key != 42) dict.Store(key, -key);
    EXPECT_EQ(&value, &dict[42]);  // entries move between chains, never in memory
    EXPECT_EQ(value, 1);
}
