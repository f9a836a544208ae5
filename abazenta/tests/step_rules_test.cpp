// Which loads and boundary conditions are in force at the end of the last step.
#include "step_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace abazenta {
namespace {

constexpr HistoryKeyword kCload = HistoryKeyword::kCload;
constexpr HistoryKeyword kDload = HistoryKeyword::kDload;
constexpr HistoryKeyword kBoundary = HistoryKeyword::kBoundary;

struct Line {
    HistoryKeyword keyword;
    int step;
    std::vector<std::uint64_t> keys;  // one contribution per key
};

// The contributions in force, as a string of 1 and 0 in line order.
std::string alive(const std::vector<Line>& lines, std::array<int, kHistoryKeywords> renewed = {}) {
    std::vector<HistoryLine> history;
    std::vector<Contribution> contributions;
    for (const Line& line : lines) {
        history.push_back({line.keyword, line.step, 1.0});
        for (std::uint64_t key : line.keys)
            contributions.push_back({static_cast<int>(history.size()) - 1, key});
    }
    std::string result;
    for (bool in : in_force(contributions, history, renewed)) result += in ? '1' : '0';
    return result;
}

std::array<int, kHistoryKeywords> renewed(HistoryKeyword keyword, int step) {
    std::array<int, kHistoryKeywords> steps{};
    steps[static_cast<std::size_t>(keyword)] = step;
    return steps;
}

TEST(InForce, LaterStepsReplaceKeysAndOneStepAddsUp) {
    const struct {
        const char* name;
        std::vector<Line> lines;
        std::array<int, kHistoryKeywords> renewed;
        const char* alive;
    } cases[] = {
        {"one step", {{kCload, 1, {7, 8}}, {kCload, 1, {7}}}, {}, "111"},
        {"model data and a step", {{kCload, 0, {7, 8}}, {kCload, 1, {8, 9}}}, {}, "1011"},
        {"replaced twice",
         {{kCload, 1, {7}}, {kCload, 2, {7}}, {kCload, 2, {7}}, {kCload, 3, {8}}},
         {},
         "0111"},
        {"back in an earlier key",
         {{kCload, 1, {7}}, {kCload, 2, {8}}, {kCload, 3, {7}}},
         {},
         "011"},
        {"keywords apart", {{kCload, 1, {7}}, {kDload, 2, {7}}, {kBoundary, 3, {7}}}, {}, "111"},
        // OP=NEW removes what earlier steps defined, and keeps its own step's lines.
        {"renewed",
         {{kCload, 0, {7}}, {kCload, 1, {8}}, {kCload, 2, {9}}, {kCload, 2, {7}}},
         renewed(kCload, 2),
         "0011"},
        {"renewed in one step", {{kCload, 1, {7, 8}}}, renewed(kCload, 2), "00"},
        {"renewed earlier", {{kCload, 2, {7}}, {kCload, 3, {8}}}, renewed(kCload, 2), "11"},
        {"renewed other keyword", {{kCload, 1, {7}}, {kDload, 3, {7}}}, renewed(kDload, 3), "11"},
        {"renewed then defined again",
         {{kBoundary, 1, {7}}, {kBoundary, 1, {8}}, {kBoundary, 3, {8}}},
         renewed(kBoundary, 2),
         "001"},
        {"none", {}, {}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(alive(c.lines, c.renewed), c.alive) << c.name;
}

}  // namespace
}  // namespace abazenta
