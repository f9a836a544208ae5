// Node and element translation: *NODE data lines, *ELEMENT keyword lines and *ELEMENT data
// lines of the second scan, stored into the model.
#include "mesh_reader.h"

#include <algorithm>
#include <array>

#include "error.h"
#include "fields.h"
#include "messages.h"

namespace abazenta {

namespace {

// The set number stands after "ELSET=SET": the first nine characters of the word are skipped.
constexpr std::size_t kSetNumberOffset = 9;

// An 8-node quadrilateral (c1 c2 c3 c4 m12 m23 m34 m41) with two equal neighbouring corners is
// a collapsed 6-node triangle. Tests in this order, the first equal pair winning; `keep` lists
// the stored positions of the triangle's corners then midsides, in ABAQUS order.
struct CollapseRule {
    int first, second;
    std::array<int, 6> keep;
};
constexpr std::array<CollapseRule, 4> kCollapseRules = {{
    {0, 1, {0, 2, 3, 5, 6, 7}},  // c1 = c2: c1 c3 c4, m23 m34 m41
    {1, 2, {0, 1, 3, 4, 6, 7}},  // c2 = c3: c1 c2 c4, m12 m34 m41
    {2, 3, {0, 1, 2, 4, 5, 7}},  // c3 = c4: c1 c2 c3, m12 m23 m41
    {3, 0, {0, 1, 2, 4, 5, 6}},  // c4 = c1: c1 c2 c3, m12 m23 m34
}};

// Rewrites a collapsed quadrilateral as a 6-node triangle; returns the new node count.
int collapse_quadrilateral(std::array<int, kMaxElementNodes>& nodes) {
    for (const CollapseRule& rule : kCollapseRules) {
        if (nodes[rule.first] != nodes[rule.second]) continue;
        std::array<int, kMaxElementNodes> triangle{};
        for (std::size_t i = 0; i < rule.keep.size(); ++i) triangle[i] = nodes[rule.keep[i]];
        nodes = triangle;
        return 6;
    }
    return 8;
}

// Grows a table indexed by dense index so that `index` is a valid position.
template <typename Table>
void make_room(Table& table, int index) {
    if (static_cast<std::size_t>(index) >= table.size()) table.resize(index + 1);
}

}  // namespace

void read_node(AbaqusModel& model, std::string_view line) {
    FieldCursor fields(line);
    int number = 0;
    if (!parse_integer(fields.next(), number)) return;
    NodeXY xy;
    xy.x = parse_real(fields.next());
    xy.y = parse_real(fields.next());

    int index = model.node_map.find(number);
    if (index < 0) {
        if (model.num_nodes >= MAX_NODES) throw TranslationError(messages::kTooManyNodes, 1);
        index = model.node_map.find_or_add(number);
        ++model.num_nodes;
        make_room(model.node_xy, index);
        make_room(model.fixity, index);
    }
    model.node_xy[index] = xy;
}

int element_set_number(std::string_view keyword_line) {
    FieldCursor words(keyword_line);
    words.next();  // the keyword
    words.next();  // the type parameter, not used
    const std::string_view elset = words.next();
    int number = 0;
    if (elset.size() <= kSetNumberOffset) return 0;
    if (!parse_integer_prefix(elset.substr(kSetNumberOffset), number)) return 0;
    return number;
}

void read_element_header(AbaqusModel& model, std::string_view keyword_line) {
    const int set_number = element_set_number(keyword_line);
    int index = model.element_set_map.find(set_number);
    if (index < 0) {
        index = model.element_set_map.find_or_add(set_number);
        ++model.num_materials;
        make_room(model.materials, index);
        model.materials[index] = MaterialRow{};
    }
    model.current_material = index;
}

void read_element(AbaqusModel& model, std::string_view line) {
    FieldCursor fields(line);
    int number = 0;
    if (!parse_integer(fields.next(), number)) return;
    std::array<int, kMaxElementNodes> nodes{};
    int node_count = 0;
    while (node_count < kMaxElementNodes && parse_integer(fields.next(), nodes[node_count]))
        ++node_count;
    if (node_count == 8) node_count = collapse_quadrilateral(nodes);

    int index = model.element_map.find(number);
    if (index < 0) {
        if (model.num_elements >= MAX_ELEM) throw TranslationError(messages::kTooManyElements, 1);
        index = model.element_map.find_or_add(number);
        ++model.num_elements;
        make_room(model.elem_node_count, index);
        make_room(model.elem_nodes, index);
        make_room(model.elem_material, index);
        make_room(model.elem_number, index);
    }
    model.elem_nodes[index] = nodes;
    model.elem_node_count[index] = node_count;
    model.elem_material[index] = model.current_material;
    model.elem_number[index] = number;
}

}  // namespace abazenta
