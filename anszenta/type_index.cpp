// Index of accepted element type references.
#include "type_index.h"

#include <algorithm>

const AcceptedTypeIndex::Entry* AcceptedTypeIndex::find(const std::vector<ElemSet>& elsets,
                                                        int etype) {
    if (indexedSets_ != elsets.size()) {
        byId_.clear();
        for (const ElemSet& set : elsets) {
            bool listed = std::find(types_, types_ + count_, set.type) != types_ + count_;
            auto [entry, isNew] = byId_.try_emplace(set.id);
            if (isNew) entry->second.firstType = set.type;
            entry->second.accepted = entry->second.accepted || listed;
        }
        indexedSets_ = elsets.size();
    }
    auto found = byId_.find(etype);
    return found == byId_.end() ? nullptr : &found->second;
}

int AcceptedTypeIndex::accepts(const std::vector<ElemSet>& elsets, int etype) {
    const Entry* entry = find(elsets, etype);
    return entry != nullptr && entry->accepted ? 1 : 0;
}

int AcceptedTypeIndex::ansysType(const std::vector<ElemSet>& elsets, int etype) {
    const Entry* entry = find(elsets, etype);
    return entry == nullptr ? 0 : entry->firstType;
}
