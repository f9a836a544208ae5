// Named sets of node or element numbers, as *NSET, *ELSET, *NODE NSET= and *ELEMENT ELSET=
// define them, and named surfaces: one table of each per part and one for the assembly (or for
// a deck without parts).
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fields.h"

namespace abazenta {

// Members of the table's own scope (a part's mesh, or the deck's own mesh) carry kOwnMesh; an
// assembly set that lists numbers of an instance (INSTANCE=) carries that instance's index.
inline constexpr int kOwnMesh = -1;

struct SetMember {
    int instance = kOwnMesh;
    int number = 0;  // node or element number of the deck
};

// The members of a set in the order listed, each as often as listed. Consecutive numbers of
// one instance are kept as one run, so that a set of every node of a *NODE block, or a range
// that GENERATE lists, takes a few bytes rather than eight for every member.
class SetMembers {
  public:
    // Numbers first, first + 1, ..., first + count - 1 of one instance.
    struct Run {
        int instance = kOwnMesh;
        int first = 0;
        int count = 0;
    };

    class const_iterator {
      public:
        const_iterator(const Run* run, int offset) : run_(run), offset_(offset) {}
        SetMember operator*() const { return {run_->instance, run_->first + offset_}; }
        const_iterator& operator++() {
            if (++offset_ == run_->count) {
                ++run_;
                offset_ = 0;
            }
            return *this;
        }
        bool operator!=(const const_iterator& other) const {
            return run_ != other.run_ || offset_ != other.offset_;
        }

      private:
        const Run* run_;
        int offset_;
    };

    void push_back(SetMember member) { append(member.instance, member.number, 1); }
    // Numbers first to first + count - 1 of `instance`, in order (count at least 1, and the
    // last number within the range of int).
    void append(int instance, int first, int count);
    // Every member of `other` (which may be this set), members of the owner's own mesh taken
    // as members of instance `owner`.
    void append(const SetMembers& other, int owner);

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const_iterator begin() const { return {runs_.data(), 0}; }
    const_iterator end() const { return {runs_.data() + runs_.size(), 0}; }

  private:
    std::vector<Run> runs_;
    std::size_t size_ = 0;
};

// Entries by name; names are compared without regard to case.
template <typename Entry>
class NameTable {
  public:
    // The entry `name`; created empty when new, so that a name given again adds to it.
    Entry& define(std::string_view name) { return entries_[upper_case(name)]; }
    // The entry `name`, or nullptr when none has that name.
    const Entry* find(std::string_view name) const {
        const auto found = entries_.find(upper_case(name));
        return found == entries_.end() ? nullptr : &found->second;
    }

  private:
    std::unordered_map<std::string, Entry> entries_;  // by upper-case name
};

// The members of each set, in the order listed.
using SetTable = NameTable<SetMembers>;

// One face of an element-based surface (*SURFACE, TYPE=ELEMENT): face S1 to S4 of an element.
struct SurfaceFace {
    int instance = kOwnMesh;
    int element = 0;  // element number of the deck
    int label = 0;    // 1 to 4
};

struct Surface {
    std::vector<SurfaceFace> faces;  // as listed; a face may be listed more than once
    // Lines with another label (SPOS, SNEG, an edge), or a surface of another type (nodes).
    bool other_faces = false;
};

using SurfaceTable = NameTable<Surface>;

}  // namespace abazenta
