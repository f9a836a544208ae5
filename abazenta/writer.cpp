// Writer of the legacy input file: title, counts, materials, elements, nodes, fixities, loads.
#include "writer.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "conditions.h"
#include "messages.h"

namespace abazenta {

namespace {

// Marks a midside place of a linear element; written as the model's node count plus 2.
constexpr int kFiller = -1;

// Legacy slot order of each element kind: positions in the stored node list (ABAQUS order,
// corners then midsides), walking along the outline corner, midside, corner, ...
struct ElementLayout {
    int node_count;
    int slot_count;
    std::array<int, kMaxElementNodes> slots;
};
constexpr std::array<ElementLayout, 4> kLayouts = {{
    {3, 6, {0, kFiller, 1, kFiller, 2, kFiller}},              // linear triangle
    {4, 8, {0, kFiller, 1, kFiller, 2, kFiller, 3, kFiller}},  // linear quadrilateral
    {6, 6, {0, 3, 1, 4, 2, 5}},                                // quadratic triangle
    {8, 8, {0, 4, 1, 5, 2, 6, 3, 7}},                          // quadratic quadrilateral
}};

const ElementLayout* layout_for(int node_count) {
    for (const ElementLayout& layout : kLayouts)
        if (layout.node_count == node_count) return &layout;
    return nullptr;
}

// Lines are formatted into one reusable buffer and written in one call each.
class LineWriter {
  public:
    explicit LineWriter(std::ostream& out) : out_(out) {}

    template <typename... Args>
    LineWriter& format(const char* pattern, Args... args) {
        char field[128];
        const int length = std::snprintf(field, sizeof field, pattern, args...);
        if (length >= static_cast<int>(sizeof field)) {
            std::string wide(static_cast<std::size_t>(length) + 1, '\0');
            std::snprintf(wide.data(), wide.size(), pattern, args...);
            line_.append(wide.data(), static_cast<std::size_t>(length));
        } else if (length > 0) {
            line_.append(field, static_cast<std::size_t>(length));
        }
        return *this;
    }
    LineWriter& text(std::string_view words) {
        line_.append(words);
        return *this;
    }
    void end_line() {
        line_.push_back('\n');
        out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
        line_.clear();
    }

  private:
    std::ostream& out_;
    std::string line_;
};

void write_materials(const AbaqusModel& model, LineWriter& lines) {
    for (int i = 0; i < model.num_materials; ++i) {
        const MaterialRow& row = model.materials[i];
        lines
            .format("%5d %9.2e %9.2e %9.2e %9.2e %9.2e", static_cast<int>(row.type_code),
                    row.elastic_modulus, row.poisson_ratio, 1.0, 1.0, row.last_column)
            .end_line();
    }
}

// Element lines. Every node slot is a blank and the number four wide, so that no two numbers
// touch whatever the node count.
void write_elements(const AbaqusModel& model, LineWriter& lines, std::ostream& warnings) {
    const int filler = model.num_nodes + 2;
    int written = 0;
    for (int i = 0; i < model.num_elements; ++i) {
        const ElementLayout* layout = layout_for(model.elem_node_count[i]);
        if (layout == nullptr) {
            warnings << messages::skipping_element(i, model.elem_node_count[i]);
            continue;
        }
        ++written;
        lines.format("%5d %4d", written, model.elem_material[i] + 1);
        for (int s = 0; s < layout->slot_count; ++s) {
            const int position = layout->slots[s];
            const int node = position == kFiller
                                 ? filler
                                 : model.node_map.find(model.elem_nodes[i][position]) + 1;
            lines.format(" %4d", node);
        }
        lines.end_line();
    }
}

void write_nodes(const AbaqusModel& model, LineWriter& lines) {
    for (int i = 0; i < model.num_nodes; ++i)
        lines.format("%5d %e %e", i + 1, model.node_xy[i].x, model.node_xy[i].y).end_line();
}

void write_fixities(const AbaqusModel& model, LineWriter& lines) {
    int fixed = 0;
    for (int i = 0; i < model.num_nodes; ++i)
        if (model.fixity[i] != 0) ++fixed;
    if (fixed == 0) return;
    lines.text("AFIXITY").end_line();
    lines.format("%d", fixed).end_line();
    for (int i = 0; i < model.num_nodes; ++i)
        if (model.fixity[i] != 0) lines.format("%d %d 0.0", i + 1, model.fixity[i]).end_line();
}

void write_loads(const AbaqusModel& model, LineWriter& lines) {
    if (model.num_loads == 0) return;
    const std::vector<LoadRecord> merged = merge_loads(model.loads);
    lines.text("ALOADS").end_line();
    lines.format("%d", static_cast<int>(merged.size())).end_line();
    for (const LoadRecord& load : merged)
        lines.format("%d %d %g %g", load.node + 1, load.load_case, load.fx, load.fy).end_line();
}

}  // namespace

bool is_writable_element(int node_count) {
    return layout_for(node_count) != nullptr;
}

int count_writable_elements(const AbaqusModel& model) {
    int count = 0;
    for (int i = 0; i < model.num_elements; ++i)
        if (is_writable_element(model.elem_node_count[i])) ++count;
    return count;
}

void write_model(const AbaqusModel& model, std::ostream& out, std::ostream& warnings) {
    LineWriter lines(out);
    lines.text("zenta input file").end_line();
    lines
        .format("%d %d %d %d", model.num_nodes, count_writable_elements(model), model.num_materials,
                model.problem_type)
        .end_line();
    write_materials(model, lines);
    write_elements(model, lines, warnings);
    write_nodes(model, lines);
    write_fixities(model, lines);
    write_loads(model, lines);
}

}  // namespace abazenta
