// Micro-benchmark of the ZTools containers: a million keys stored in and looked up from a
// Dict, and a million entries appended to Lists. Prints one line per measurement.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "Dict.h"
#include "List.h"
#include "String.h"
#include "Vec2D.h"

namespace {

constexpr int kCount = 1000000;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Keys as a legacy file numbers its nodes: ascending, with gaps (every third number).
int NodeKey(int i) {
    return 3 * i + 1;
}

// Scattered keys from a fixed linear congruential sequence (both signs, no order).
int ScatteredKey(int i) {
    return static_cast<int>(static_cast<unsigned>(i) * 2654435761u);
}

long long BenchDict(const char* label, int (*key)(int)) {
    ZTools::Dict<int, int> map(false);
    map.Store(0, 0);
    Clock::time_point start = Clock::now();
    for (int i = 0; i < kCount; ++i) map.Store(key(i), i + 1);
    const double storeMs = MillisecondsSince(start);

    long long sum = 0;
    start = Clock::now();
    for (int i = 0; i < kCount; ++i) sum += map[key(i)];
    const double lookupMs = MillisecondsSince(start);

    int longest = 0;
    for (int b = 0; b < map.BucketCount(); ++b)
        if (map.ChainLength(b) > longest) longest = map.ChainLength(b);
    std::printf(
        "Dict<int,int>, %s keys: store %d keys %.1f ms, look up %d keys %.1f ms "
        "(%d buckets, longest chain %d)\n",
        label, kCount, storeMs, kCount, lookupMs, map.BucketCount(), longest);
    return sum;
}

long long BenchLists() {
    Clock::time_point start = Clock::now();
    ZTools::List<int> ints(6);
    for (int i = 0; i < kCount; ++i) ints.Append(i);
    std::printf("List<int>: append %d entries %.1f ms (capacity %d)\n", kCount,
                MillisecondsSince(start), ints.Capacity());

    start = Clock::now();
    ZTools::List<ZTools::Vec2D> points(6);
    for (int i = 0; i < kCount; ++i) points.Append(ZTools::Vec2D(i, -i));
    std::printf("List<Vec2D>: append %d entries %.1f ms (capacity %d)\n", kCount,
                MillisecondsSince(start), points.Capacity());

    start = Clock::now();
    ZTools::List<ZTools::String> words(6);
    const ZTools::String word("node");
    for (int i = 0; i < kCount; ++i) words.Append(word);
    std::printf("List<String>: append %d entries %.1f ms (capacity %d)\n", kCount,
                MillisecondsSince(start), words.Capacity());

    start = Clock::now();
    ZTools::List<ZTools::List<int>> rows(6);
    for (int i = 0; i < kCount; ++i) {
        rows.ExtendOne();
        rows[-1].Append(i);
    }
    std::printf("List<List<int>>: extend %d rows %.1f ms (capacity %d)\n", kCount,
                MillisecondsSince(start), rows.Capacity());
    return ints[-1] + static_cast<long long>(points[-1][0]) + words.Len() + rows[-1][0];
}

}  // namespace

int main() {
    const long long check =
        BenchDict("node-like", NodeKey) + BenchDict("scattered", ScatteredKey) + BenchLists();
    std::printf("checksum %lld\n", check);
    return EXIT_SUCCESS;
}
