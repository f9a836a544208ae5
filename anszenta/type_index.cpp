// Index of accepted element type references.
#include "type_index.h"

#include <algorithm>

int AcceptedTypeIndex::accepts(const std::vector<ElemSet>& elsets, int etype) {
    if (indexedSets_ != elsets.size()) {
        acceptedById_.clear();
        for (const ElemSet& set : elsets) {
            bool listed = std::find(types_, types_ + count_, set.type) != types_ + count_;
            bool& accepted = acceptedById_[set.id];
            accepted = accepted || listed;
        }
        indexedSets_ = elsets.size();
    }
    auto found = acceptedById_.find(etype);
    return found != acceptedById_.end() && found->second ? 1 : 0;
}
