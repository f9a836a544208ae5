// The faces S1 to S4 of plane elements.
#pragma once

#include <array>
#include <string_view>

namespace abazenta {

// The nodes of one face as positions in the element's node list (ABAQUS order: corners, then
// midsides), in the face's order: corner, midside, corner, or corner, corner.
struct FaceNodes {
    int count = 0;  // 0: the element has no such face
    std::array<int, 3> positions{};
};

// Face `label` (1 to 4) of an element of `node_count` nodes.
FaceNodes face_nodes(int node_count, int label);

// The face label S1 to S4 (any case) as 1 to 4; 0 for any other text.
int face_label(std::string_view text);

}  // namespace abazenta
