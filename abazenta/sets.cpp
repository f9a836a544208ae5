// Named sets of node or element numbers.
#include "sets.h"

#include "fields.h"

namespace abazenta {

std::vector<SetMember>& SetTable::define(std::string_view name) {
    return sets_[upper_case(name)];
}

const std::vector<SetMember>* SetTable::find(std::string_view name) const {
    const auto found = sets_.find(upper_case(name));
    return found == sets_.end() ? nullptr : &found->second;
}

}  // namespace abazenta
