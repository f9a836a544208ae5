// Which loads and boundary conditions are in force at the end of the last step.
#include "step_rules.h"

#include <unordered_map>

namespace abazenta {

namespace {

// The contributions in force on one key: those of the last step that defined it, chained.
struct KeyState {
    int step = -1;
    int head = -1;  // last contribution of the chain; -1: none
    std::size_t keyword = 0;
};

// Steps in which each keyword has lines: when all its lines lie in one step, no line can
// replace another and the keys need not be looked at.
struct KeywordSteps {
    int first = -1;
    bool several = false;
};

}  // namespace

std::vector<bool> in_force(const std::vector<Contribution>& contributions,
                           const std::vector<HistoryLine>& lines,
                           const std::array<int, kHistoryKeywords>& renewed_in) {
    std::array<KeywordSteps, kHistoryKeywords> steps{};
    for (const Contribution& c : contributions) {
        const HistoryLine& line = lines[static_cast<std::size_t>(c.line)];
        KeywordSteps& seen = steps[static_cast<std::size_t>(line.keyword)];
        if (seen.first < 0) seen.first = line.step;
        seen.several = seen.several || seen.first != line.step;
    }
    std::vector<bool> alive(contributions.size(), true);
    std::vector<int> next;  // chains of contributions by key, where keys are looked at
    std::unordered_map<std::uint64_t, KeyState> states;
    const auto drop_chain = [&](int head) {
        for (int c = head; c >= 0; c = next[static_cast<std::size_t>(c)])
            alive[static_cast<std::size_t>(c)] = false;
    };
    for (std::size_t i = 0; i < contributions.size(); ++i) {
        const HistoryLine& line = lines[static_cast<std::size_t>(contributions[i].line)];
        const std::size_t keyword = static_cast<std::size_t>(line.keyword);
        if (!steps[keyword].several) {
            alive[i] = line.step >= renewed_in[keyword];
            continue;
        }
        if (next.empty()) next.assign(contributions.size(), -1);
        KeyState& state = states[(contributions[i].key << 2) | keyword];
        if (state.step < line.step) {  // a later step replaces what the key held
            drop_chain(state.head);
            state = {line.step, -1, keyword};
        }
        next[i] = state.head;
        state.head = static_cast<int>(i);
    }
    for (const auto& entry : states)
        if (entry.second.step < renewed_in[entry.second.keyword]) drop_chain(entry.second.head);
    return alive;
}

}  // namespace abazenta
