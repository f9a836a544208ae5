// Maps ABAQUS numbers (nodes, elements) to dense indexes 0, 1, 2, ...
#include "number_map.h"

#include <algorithm>

namespace abazenta {

namespace {

constexpr std::size_t kFirstSlotCount = 64;
constexpr std::size_t kDirectHeadroom = 64;

}  // namespace

void NumberMap::rehash(std::size_t slot_count) {
    std::vector<Slot> old(slot_count);
    old.swap(slots_);
    shift_ = 64;
    for (std::size_t n = slot_count; n > 1; n /= 2) --shift_;
    for (const Slot& slot : old)
        if (slot.index >= 0) slots_[slot_of(slot.number)] = slot;
}

void NumberMap::add_hashed(int number, int index) {
    // At most half of the slots are used, so every probe ends at an empty slot.
    if (2 * (static_cast<std::size_t>(hashed_) + 1) > slots_.size())
        rehash(slots_.empty() ? kFirstSlotCount : 2 * slots_.size());
    slots_[slot_of(number)] = {number, index};
    ++hashed_;
}

// The plain table grows to `size`; hashed numbers that it now covers move into it.
void NumberMap::widen_direct(std::size_t size) {
    direct_.resize(size, -1);
    if (hashed_ == 0) return;
    std::vector<Slot> old;
    old.swap(slots_);
    hashed_ = 0;
    for (const Slot& slot : old) {
        if (slot.index < 0) continue;
        if (static_cast<unsigned>(slot.number) < size)
            direct_[static_cast<unsigned>(slot.number)] = slot.index;
        else
            add_hashed(slot.number, slot.index);
    }
}

void NumberMap::reserve(std::size_t count) {
    direct_.reserve(2 * count + kDirectHeadroom);
}

int NumberMap::add(int number) {
    const int index = count_++;
    // Numbers that the plain table covers go there, and so do numbers up to about twice the
    // count, for which it grows at least twofold: its size stays within a few times the count.
    // Every other number is hashed.
    const std::size_t reach = 2 * static_cast<std::size_t>(count_) + kDirectHeadroom;
    const std::size_t position = static_cast<std::size_t>(static_cast<unsigned>(number));
    if (number >= 0 && (position < direct_.size() || position < reach)) {
        // With no hashed numbers to move, the table grows by a quarter, so that little of it
        // is filled and not used; otherwise twofold, so that each move of them is paid for.
        if (position >= direct_.size()) {
            const std::size_t step = hashed_ == 0 ? direct_.size() / 4 : direct_.size();
            widen_direct(std::max(position + 1, direct_.size() + step + kDirectHeadroom));
        }
        direct_[position] = index;
        return index;
    }
    add_hashed(number, index);
    return index;
}

}  // namespace abazenta
