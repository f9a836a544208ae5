// The faces S1 to S4 of plane elements.
#include "faces.h"

namespace abazenta {

namespace {

// Faces of each element kind by label, as positions in the node list (ABAQUS order).
struct FaceTable {
    int node_count;
    int face_count;
    int nodes_per_face;
    std::array<std::array<int, 3>, 4> faces;
};
constexpr std::array<FaceTable, 4> kFaceTables = {{
    {3, 3, 2, {{{0, 1}, {1, 2}, {2, 0}}}},                      // 1-2, 2-3, 3-1
    {6, 3, 3, {{{0, 3, 1}, {1, 4, 2}, {2, 5, 0}}}},             // 1-4-2, 2-5-3, 3-6-1
    {4, 4, 2, {{{0, 1}, {1, 2}, {2, 3}, {3, 0}}}},              // 1-2, 2-3, 3-4, 4-1
    {8, 4, 3, {{{0, 4, 1}, {1, 5, 2}, {2, 6, 3}, {3, 7, 0}}}},  // 1-5-2, ..., 4-8-1
}};

}  // namespace

FaceNodes face_nodes(int node_count, int label) {
    FaceNodes face;
    for (const FaceTable& table : kFaceTables) {
        if (table.node_count != node_count || label < 1 || label > table.face_count) continue;
        face.count = table.nodes_per_face;
        face.positions = table.faces[static_cast<std::size_t>(label - 1)];
    }
    return face;
}

int face_label(std::string_view text) {
    if (text.size() != 2 || (text[0] != 'S' && text[0] != 's')) return 0;
    return text[1] >= '1' && text[1] <= '4' ? text[1] - '0' : 0;
}

}  // namespace abazenta
