// Named sets of node or element numbers, as *NSET, *ELSET, *NODE NSET= and *ELEMENT ELSET=
// define them: one table per part and one for the assembly (or for a deck without parts).
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace abazenta {

// Members of the table's own scope (a part's mesh, or the deck's own mesh) carry kOwnMesh; an
// assembly set that lists numbers of an instance (INSTANCE=) carries that instance's index.
inline constexpr int kOwnMesh = -1;

struct SetMember {
    int instance = kOwnMesh;
    int number = 0;  // node or element number of the deck
};

// Set names are compared without regard to case.
class SetTable {
  public:
    // The members of set `name`, in the order listed; created empty when new, so that a name
    // given again adds to its set.
    std::vector<SetMember>& define(std::string_view name);
    // The members of set `name`, or nullptr when no set has that name.
    const std::vector<SetMember>* find(std::string_view name) const;

  private:
    std::unordered_map<std::string, std::vector<SetMember>> sets_;  // by upper-case name
};

}  // namespace abazenta
