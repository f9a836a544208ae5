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
using SetTable = NameTable<std::vector<SetMember>>;

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
