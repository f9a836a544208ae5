// Maps ABAQUS numbers (nodes, elements) to dense indexes 0, 1, 2, ...
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace abazenta {

// Dense indexes are given out in the order in which numbers are first added; entries are
// never removed. Any int is a valid number, negative ones included. A model at the size limit
// looks numbers up millions of times, so the usual numbers (from 0 to about twice the count)
// are indexes into a plain table; others go to an open-addressing hash table.
class NumberMap {
  public:
    // The dense index of `number`, or -1 when it was never added.
    int find(int number) const {
        if (static_cast<std::size_t>(static_cast<unsigned>(number)) < direct_.size())
            return direct_[static_cast<unsigned>(number)];
        if (slots_.empty()) return -1;
        return slots_[slot_of(number)].index;
    }
    // The dense index of `number`; a new number gets the next index.
    int find_or_add(int number) {
        const int found = find(number);
        return found >= 0 ? found : add(number);
    }
    // Gives `number`, which find does not know, the next index and returns it.
    int add(int number);
    // How many numbers have been added (the next index to give out).
    int count() const { return count_; }
    // Makes room for `count` numbers in all.
    void reserve(std::size_t count);

  private:
    struct Slot {
        int number = 0;
        int index = -1;  // -1: empty
    };

    // The slot that holds `number`, or the empty slot where it would go.
    std::size_t slot_of(int number) const {
        // Fibonacci hashing: the high bits of the product spread runs of consecutive numbers
        // and numbers with common factors alike over the whole table.
        const std::uint64_t product =
            std::uint64_t{static_cast<std::uint32_t>(number)} * 0x9E3779B97F4A7C15ull;
        std::size_t slot = static_cast<std::size_t>(product >> shift_);
        while (slots_[slot].index >= 0 && slots_[slot].number != number)
            slot = (slot + 1) & (slots_.size() - 1);
        return slot;
    }
    void add_hashed(int number, int index);
    void rehash(std::size_t slot_count);
    void widen_direct(std::size_t size);

    std::vector<int> direct_;  // index of number n at [n]; -1 when absent
    std::vector<Slot> slots_;  // numbers outside `direct_`: a power of two, at most half used
    int shift_ = 64;           // 64 - log2(slot count)
    int hashed_ = 0;           // numbers in `slots_`
    int count_ = 0;
};

}  // namespace abazenta
