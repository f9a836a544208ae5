// Maps ABAQUS numbers (nodes, elements, element sets) to dense indexes 0, 1, 2, ...
#include "number_map.h"

namespace abazenta {

int NumberMap::find(int number) const {
    auto found = index_of_.find(number);
    return found == index_of_.end() ? -1 : found->second;
}

int NumberMap::find_or_add(int number) {
    return index_of_.try_emplace(number, count()).first->second;
}

}  // namespace abazenta
