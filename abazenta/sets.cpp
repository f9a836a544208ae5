// Named sets of node or element numbers: the members of a set kept as runs of numbers.
#include "sets.h"

#include <climits>
#include <cstdint>

namespace abazenta {

void SetMembers::append(int instance, int first, int count) {
    if (count <= 0) return;
    size_ += static_cast<std::size_t>(count);
    if (!runs_.empty()) {
        Run& last = runs_.back();
        if (last.instance == instance && std::int64_t{last.first} + last.count == first &&
            last.count <= INT_MAX - count) {
            last.count += count;
            return;
        }
    }
    runs_.push_back({instance, first, count});
}

void SetMembers::append(const SetMembers& other, int owner) {
    // A set added to itself adds its members as they were before.
    const std::vector<Run> copy = &other == this ? runs_ : std::vector<Run>();
    for (const Run& run : &other == this ? copy : other.runs_)
        append(run.instance == kOwnMesh ? owner : run.instance, run.first, run.count);
}

}  // namespace abazenta
