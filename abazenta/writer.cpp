// Writer of the legacy input file: title, counts, materials, elements, nodes, fixities, loads.
#include "writer.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "messages.h"
#include "number_format.h"

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

// Fixity codes of prescribed displacements.
constexpr int kPrescribedX = 4;
constexpr int kPrescribedY = 5;

const ElementLayout* layout_for(int node_count) {
    for (const ElementLayout& layout : kLayouts)
        if (layout.node_count == node_count) return &layout;
    return nullptr;
}

// Lines are composed in one buffer that goes to the stream in large pieces. Numbers are
// written straight into it: each writing first makes sure that kNumberRoom bytes are free.
class LineWriter {
  public:
    explicit LineWriter(std::ostream& out) : out_(out), buffer_(kCapacity) {
        cursor_ = buffer_.data();
    }
    ~LineWriter() { flush(); }

    LineWriter& integer(int value, int width = 0) {
        cursor_ = format_integer(room(), value, width);
        return *this;
    }
    LineWriter& exponent(double value) {
        cursor_ = format_exponent(room(), value);
        return *this;
    }
    LineWriter& general(double value) {
        cursor_ = format_general(room(), value);
        return *this;
    }
    LineWriter& shortest(double value) {
        cursor_ = format_shortest(room(), value);
        return *this;
    }
    // The shortest exact form with `exact`, otherwise printf "%e".
    LineWriter& exact_or_exponent(double value, bool exact) {
        return exact ? shortest(value) : exponent(value);
    }
    LineWriter& text(std::string_view words) {
        if (words.size() > free_bytes()) flush();
        if (words.size() > free_bytes()) {
            out_.write(words.data(), static_cast<std::streamsize>(words.size()));
            return *this;
        }
        std::memcpy(cursor_, words.data(), words.size());
        cursor_ += words.size();
        return *this;
    }
    // Any other printf form, for the few lines that need one: measured first, then formatted
    // into a text of its own, so that no length of the result can overrun a buffer.
    template <typename... Args>
    LineWriter& format(const char* pattern, Args... args) {
        const int length = std::snprintf(nullptr, 0, pattern, args...);
        if (length <= 0) return *this;
        std::string formatted(static_cast<std::size_t>(length) + 1, '\0');  // room for the 0
        std::snprintf(&formatted[0], formatted.size(), pattern, args...);
        formatted.pop_back();
        return text(formatted);
    }
    void end_line() {
        *room() = '\n';
        ++cursor_;
        if (static_cast<std::size_t>(cursor_ - buffer_.data()) >= kFlushSize) flush();
    }

  private:
    static constexpr std::size_t kFlushSize = 1 << 16;
    static constexpr std::size_t kCapacity = kFlushSize + 1024;

    std::size_t free_bytes() const {
        return static_cast<std::size_t>(buffer_.data() + buffer_.size() - cursor_);
    }
    // Where the next number goes, with kNumberRoom bytes free after it.
    char* room() {
        if (free_bytes() < kNumberRoom) flush();
        return cursor_;
    }
    void flush() {
        out_.write(buffer_.data(), cursor_ - buffer_.data());
        cursor_ = buffer_.data();
    }

    std::ostream& out_;
    std::vector<char> buffer_;
    char* cursor_ = nullptr;
};

void write_materials(const LegacyModel& model, LineWriter& lines) {
    for (const MaterialLine& m : model.materials) {
        if (model.exact_reals) {
            lines.integer(1, 5);
            for (double value : {m.modulus, m.poisson_ratio, m.thickness, m.toughness, m.density})
                lines.text(" ").shortest(value);
            lines.end_line();
        } else {
            lines
                .format("%5d %9.2e %9.2e %9.2e %9.2e %9.2e", 1, m.modulus, m.poisson_ratio,
                        m.thickness, m.toughness, m.density)
                .end_line();
        }
    }
}

// Element lines. Every node slot is a blank and the number four wide, so that no two numbers
// touch whatever the node count.
void write_elements(const LegacyModel& model, LineWriter& lines, std::ostream& warnings) {
    const int filler = static_cast<int>(model.nodes.size()) + 2;
    int written = 0;
    for (std::size_t i = 0; i < model.elements.size(); ++i) {
        const LegacyElement& element = model.elements[i];
        const ElementLayout* layout = layout_for(element.node_count);
        if (layout == nullptr) {
            warnings << messages::skipping_element(static_cast<int>(i), element.node_count);
            continue;
        }
        ++written;
        lines.integer(written, 5).text(" ").integer(element.material + 1, 4);
        for (int s = 0; s < layout->slot_count; ++s) {
            const int position = layout->slots[static_cast<std::size_t>(s)];
            const int node = position == kFiller
                                 ? filler
                                 : element.nodes[static_cast<std::size_t>(position)] + 1;
            lines.text(" ").integer(node, 4);
        }
        lines.end_line();
    }
}

void write_nodes(const LegacyModel& model, LineWriter& lines) {
    const bool exact = model.exact_reals;
    for (std::size_t i = 0; i < model.nodes.size(); ++i) {
        lines.integer(static_cast<int>(i) + 1, 5)
            .text(" ")
            .exact_or_exponent(model.nodes[i].x, exact);
        lines.text(" ").exact_or_exponent(model.nodes[i].y, exact).end_line();
    }
}

// A node fixed at 0 in both directions has code 3; otherwise each fixed direction has its own
// record: code 1 or 2 at 0, code 4 or 5 with a prescribed displacement.
bool fixed_both_at_zero(const NodeFixity& fixity) {
    return fixity.fixed == (kFixedX | kFixedY) && fixity.x_value == 0.0 && fixity.y_value == 0.0;
}

int fixity_records(const NodeFixity& fixity) {
    if (fixed_both_at_zero(fixity)) return 1;
    return ((fixity.fixed & kFixedX) != 0 ? 1 : 0) + ((fixity.fixed & kFixedY) != 0 ? 1 : 0);
}

void write_direction(LineWriter& lines, int node, int code, int prescribed_code, double value,
                     bool exact) {
    lines.integer(node).text(" ");
    if (value == 0.0)
        lines.integer(code).text(" 0.0").end_line();
    else
        lines.integer(prescribed_code).text(" ").exact_or_exponent(value, exact).end_line();
}

void write_fixities(const LegacyModel& model, LineWriter& lines) {
    int records = 0;
    for (const NodeFixity& fixity : model.fixities) records += fixity_records(fixity);
    if (records == 0) return;
    lines.text("AFIXITY").end_line();
    lines.integer(records).end_line();
    for (const NodeFixity& fixity : model.fixities) {
        const int node = fixity.node + 1;
        if (fixed_both_at_zero(fixity)) {
            lines.integer(node).text(" 3 0.0").end_line();
            continue;
        }
        if ((fixity.fixed & kFixedX) != 0)
            write_direction(lines, node, kFixedX, kPrescribedX, fixity.x_value, model.exact_reals);
        if ((fixity.fixed & kFixedY) != 0)
            write_direction(lines, node, kFixedY, kPrescribedY, fixity.y_value, model.exact_reals);
    }
}

void write_loads(const std::vector<LoadRecord>& loads, bool exact_reals, LineWriter& lines) {
    if (loads.empty()) return;
    lines.text("ALOADS").end_line();
    lines.integer(static_cast<int>(loads.size())).end_line();
    for (const LoadRecord& load : loads) {
        lines.integer(load.node + 1).text(" ").integer(load.load_case).text(" ");
        if (exact_reals)
            lines.shortest(load.fx).text(" ").shortest(load.fy).end_line();
        else
            lines.general(load.fx).text(" ").general(load.fy).end_line();
    }
}

}  // namespace

bool is_writable_element(int node_count) {
    return layout_for(node_count) != nullptr;
}

int count_writable_elements(const LegacyModel& model) {
    int count = 0;
    for (const LegacyElement& element : model.elements)
        if (is_writable_element(element.node_count)) ++count;
    return count;
}

void write_model(const LegacyModel& model, std::ostream& out, std::ostream& warnings) {
    write_model(model, out, warnings,
                [&model]() -> const std::vector<LoadRecord>& { return model.loads; });
}

void write_model(const LegacyModel& model, std::ostream& out, std::ostream& warnings,
                 const LoadsWhenWritten& loads) {
    LineWriter lines(out);
    lines.text("zenta input file").end_line();
    lines.integer(static_cast<int>(model.nodes.size())).text(" ");
    lines.integer(count_writable_elements(model)).text(" ");
    lines.integer(static_cast<int>(model.materials.size())).text(" ");
    lines.integer(model.problem_type).end_line();
    write_materials(model, lines);
    write_elements(model, lines, warnings);
    write_nodes(model, lines);
    write_fixities(model, lines);
    write_loads(loads(), model.exact_reals, lines);
}

}  // namespace abazenta
