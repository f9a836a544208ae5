// Node and element translation: *NODE and *ELEMENT data lines stored into a mesh.
#include "mesh_reader.h"

#include <array>

#include "error.h"
#include "messages.h"

namespace abazenta {

namespace {

// The set number stands after three characters: SET12, MAT12.
constexpr std::size_t kSetNumberOffset = 3;

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

constexpr int kMidsideOffset = 4;  // stored position of the first midside of a quadrilateral

bool kept_by(const CollapseRule& rule, int position) {
    for (int kept : rule.keep)
        if (kept == position) return true;
    return false;
}

// Rewrites a collapsed quadrilateral as a 6-node triangle, noting the rule and the midside
// node left out.
void collapse_quadrilateral(LegacyElement& element, ElementInfo& info) {
    std::array<int, kMaxElementNodes>& nodes = element.nodes;
    for (std::size_t r = 0; r < kCollapseRules.size(); ++r) {
        const CollapseRule& rule = kCollapseRules[r];
        if (nodes[rule.first] != nodes[rule.second]) continue;
        for (int position = kMidsideOffset; position < kMaxElementNodes; ++position)
            if (!kept_by(rule, position)) info.dropped_midside = nodes[position];
        std::array<int, kMaxElementNodes> triangle{};
        for (std::size_t i = 0; i < rule.keep.size(); ++i) triangle[i] = nodes[rule.keep[i]];
        nodes = triangle;
        element.node_count = 6;
        info.collapse_rule = static_cast<int>(r);
        return;
    }
}

}  // namespace

bool read_node(Mesh& mesh, const Fields& fields, int& number) {
    if (!parse_integer(fields[0], number)) return false;
    const NodeXY xy{parse_real(fields[1]), parse_real(fields[2])};
    const int index = mesh.node_map.find(number);
    if (index < 0) {
        if (mesh.node_map.count() >= MAX_NODES) throw TranslationError(messages::kTooManyNodes, 1);
        mesh.node_map.add(number);
        mesh.node_xy.push_back(xy);
        return true;
    }
    mesh.node_xy[static_cast<std::size_t>(index)] = xy;
    return true;
}

std::string material_key_of(const std::string* elset) {
    if (elset == nullptr) return "";
    int number = 0;
    if (elset->size() > kSetNumberOffset &&
        parse_integer_prefix(std::string_view(*elset).substr(kSetNumberOffset), number))
        return "#" + std::to_string(number);
    return "=" + upper_case(*elset);
}

int deck_nodes(const LegacyElement& element, const ElementInfo& info,
               std::array<int, kMaxElementNodes>& nodes) {
    if (info.collapse_rule < 0) {
        nodes = element.nodes;
        return element.node_count;
    }
    const CollapseRule& rule = kCollapseRules[static_cast<std::size_t>(info.collapse_rule)];
    for (std::size_t i = 0; i < rule.keep.size(); ++i) nodes[rule.keep[i]] = element.nodes[i];
    for (int position = 0; position < kMaxElementNodes; ++position) {
        if (kept_by(rule, position)) continue;
        // The corner left out equals its neighbour of the rule, which was kept.
        const int kept_corner = kept_by(rule, rule.first) ? rule.first : rule.second;
        nodes[position] = position < kMidsideOffset ? nodes[kept_corner] : info.dropped_midside;
    }
    return kMaxElementNodes;
}

bool read_element(Mesh& mesh, const Fields& fields, int material_key, int type, int& number) {
    if (!parse_integer(fields[0], number)) return false;
    LegacyElement element;
    ElementInfo info;
    info.number = number;
    info.type = type;
    while (element.node_count < kMaxElementNodes &&
           parse_integer(fields[static_cast<std::size_t>(element.node_count) + 1],
                         element.nodes[static_cast<std::size_t>(element.node_count)]))
        ++element.node_count;
    if (element.node_count == 8) collapse_quadrilateral(element, info);
    element.material = material_key;

    const int index = mesh.element_map.find(number);
    if (index >= 0) {
        mesh.elements[static_cast<std::size_t>(index)] = element;
        mesh.element_info[static_cast<std::size_t>(index)] = info;
        return true;
    }
    if (mesh.element_map.count() >= MAX_ELEM) throw TranslationError(messages::kTooManyElements, 1);
    mesh.element_map.add(number);
    mesh.elements.push_back(element);
    mesh.element_info.push_back(info);
    return true;
}

void resolve_nodes(Mesh& mesh) {
    if (mesh.resolved) return;
    for (std::size_t e = 0; e < mesh.elements.size(); ++e) {
        LegacyElement& element = mesh.elements[e];
        ElementInfo& info = mesh.element_info[e];
        for (int k = 0; k < element.node_count; ++k) {
            int& node = element.nodes[static_cast<std::size_t>(k)];
            const int index = mesh.node_map.find(node);
            if (index < 0)
                throw TranslationError(messages::element_uses_undefined_node(info.number, node), 1);
            node = index;
        }
        if (info.collapse_rule >= 0)
            info.dropped_midside = mesh.node_map.find(info.dropped_midside);
    }
    mesh.resolved = true;
}

}  // namespace abazenta
