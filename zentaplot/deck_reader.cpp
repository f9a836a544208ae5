// One walk over the records of an input file, for both forms.
#include "deck_reader.h"

#include <algorithm>
#include <cstring>

#include "messages.h"

namespace zentaplot {

namespace {

// Reserve no more than this many records ahead of reading them: a count in the file may be
// far larger than the lines that follow it.
constexpr int kMostReserved = 1 << 20;

class DeckWalk {
  public:
    DeckWalk(std::istream& in, const std::string& file_name, FormRules& rules)
        : lines_(in, file_name), rules_(rules) {}
    PlotModel Read(InputFormat format);

  private:
    using SectionReader = void (DeckWalk::*)(Layer&);
    struct Section {
        const char* keyword;
        SectionReader read;  // nullptr for "ENDBC", which ends the part
    };
    static const Section kSections[];

    void ReadTitle(PlotModel& model);
    void ReadMaterials(PlotModel& model, int count);
    void ReadLayer(Layer& layer, int node_count, int element_count);
    void ReadElements(Layer& layer, int count);
    void ReadNodes(Layer& layer, int count);
    void ResolveElementSlots(Layer& layer);
    void ReadBoundaryPart(Layer& layer);
    void ReadFixities(Layer& layer);
    void ReadLoads(Layer& layer);

    // Makes the next line current as record `index` (from 1) of `count` of kind `what` (a
    // count of 0: a record that stands alone) and
    // rejects it when the file has ended or the line has fewer than `min_fields` fields.
    void NextRecord(const char* what, int index, int count, int min_fields);
    int Count(int i);  // a count of the model, which may not be negative
    // A section's count line; a negative count means no records, as the converter reads it.
    int SectionCount(const char* what);
    NodeRef Resolve(int ref, int node_count) const { return {ref, rules_.Find(ref, node_count)}; }

    RecordLines lines_;
    FormRules& rules_;
};

// The sections of a boundary-condition part that the picture shows, keyed by the first field
// of their keyword line (exact, case-sensitive). Every other line of the part, those of the
// other sections included, is passed over: none of their data lines starts with a keyword.
const DeckWalk::Section DeckWalk::kSections[] = {
    {"AFIXITY", &DeckWalk::ReadFixities},
    {"ALOADS", &DeckWalk::ReadLoads},
    {"ENDBC", nullptr},
};

void DeckWalk::NextRecord(const char* what, int index, int count, int min_fields) {
    if (!lines_.Next()) {
        lines_.Fail(count == 0 ? Text::Format(Text::kFileEndsBefore, what)
                               : Text::Format(Text::kFileEnds, what, index, count));
    }
    rules_.CheckLine(lines_);
    const int fields = lines_.Fields();
    if (fields < min_fields)
        lines_.Fail(Text::Format(Text::kTooFewFields, what, fields, min_fields));
}

int DeckWalk::Count(int i) {
    const int count = lines_.Int(i);
    if (count < 0) lines_.Fail(Text::Format(Text::kNegativeCount, count));
    return count;
}

PlotModel DeckWalk::Read(InputFormat format) {
    PlotModel model;
    model.format = format;
    ReadTitle(model);
    NextRecord("counts line", 0, 0, 0);
    const int fields = lines_.Fields();
    if (fields == 4) {  // single model: nodes, elements, materials, problem type
        const int nodes = Count(0), elements = Count(1), materials = Count(2);
        model.problem_type = lines_.Int(3);
        ReadMaterials(model, materials);
        model.layers.emplace_back();
        ReadLayer(model.layers.back(), nodes, elements);
        ReadBoundaryPart(model.layers.back());
    } else if (fields == 3) {  // layered: layers, materials, problem type
        model.layered = true;
        const int layers = Count(0), materials = Count(1);
        model.problem_type = lines_.Int(2);
        ReadMaterials(model, materials);
        for (int l = 1; l <= layers; ++l) {
            NextRecord("layer header", l, layers, 2);
            const int nodes = lines_.Int(0);  // negative: a boundary-condition part follows
            const int elements = Count(1);
            model.layers.emplace_back();
            Layer& layer = model.layers.back();
            layer.number = l;
            ReadLayer(layer, nodes < 0 ? -nodes : nodes, elements);
            // One layer always has its part; of several, those with a negative node count.
            if (layers == 1 || nodes < 0) ReadBoundaryPart(layer);
        }
    } else {
        lines_.Fail(Text::Format(Text::kCountsFields, fields));
    }
    return model;
}

int DeckWalk::SectionCount(const char* what) {
    NextRecord(what, 0, 0, 1);
    return std::max(lines_.Int(0), 0);
}

void DeckWalk::ReadTitle(PlotModel& model) {
    if (!lines_.First()) lines_.Fail(Text::kEmptyFile);
    const int fields = lines_.Fields();
    for (int i = 0; i < fields; ++i) {
        if (i > 0) model.title += ' ';
        model.title += lines_.Field(i);
    }
}

void DeckWalk::ReadMaterials(PlotModel& model, int count) {
    model.materials.reserve(std::min(count, kMostReserved));
    for (int m = 1; m <= count; ++m) {
        NextRecord("material line", m, count, 2);  // the type and at least one property
        Material material;
        material.type = lines_.Int(0);
        material.modulus = lines_.Real(1);
        if (lines_.Fields() > 2) material.poisson = lines_.Real(2);
        model.materials.push_back(material);
    }
}

void DeckWalk::ReadLayer(Layer& layer, int node_count, int element_count) {
    ReadElements(layer, element_count);
    ReadNodes(layer, node_count);
    ResolveElementSlots(layer);
}

void DeckWalk::ReadElements(Layer& layer, int count) {
    layer.elements.reserve(std::min(count, kMostReserved));
    for (int e = 1; e <= count; ++e) {
        NextRecord("element line", e, count, 2);
        const int fields = lines_.Fields();
        const int slots = fields - 2;
        if (slots != 6 && slots != kMaxSlots)
            lines_.Fail(Text::Format(Text::kElementFields, fields));
        Element element;
        element.number = lines_.Int(0);
        rules_.CheckElementNumber(lines_, element.number, e);
        element.material = lines_.Int(1);
        element.slot_count = slots;
        for (int s = 0; s < slots; ++s) element.slots[s].ref = lines_.Int(2 + s);
        layer.elements.push_back(element);
    }
}

void DeckWalk::ReadNodes(Layer& layer, int count) {
    rules_.StartLayer();
    layer.nodes.reserve(std::min(count, kMostReserved));
    for (int n = 1; n <= count; ++n) {
        NextRecord("node line", n, count, 3);  // number, x, y; further fields are ignored
        Node node;
        node.number = lines_.Int(0);
        rules_.CheckNodeNumber(lines_, node.number, n);
        node.xy = {lines_.Real(1), lines_.Real(2)};
        rules_.AddNode(node.number, n - 1);
        layer.nodes.push_back(node);
    }
}

// Element lines come before the node lines they name, so their slots are looked up once the
// layer's node lines are read.
void DeckWalk::ResolveElementSlots(Layer& layer) {
    const int node_count = static_cast<int>(layer.nodes.size());
    for (Element& element : layer.elements)
        for (int s = 0; s < element.slot_count; ++s)
            element.slots[s] = Resolve(element.slots[s].ref, node_count);
}

void DeckWalk::ReadBoundaryPart(Layer& layer) {
    while (lines_.Next()) {  // a part without "ENDBC" ends with the file
        rules_.CheckLine(lines_);
        if (lines_.Fields() == 0) continue;  // blank lines between sections
        const char* keyword = lines_.Field(0);
        const Section* section = nullptr;
        for (const Section& s : kSections)
            if (std::strcmp(keyword, s.keyword) == 0) section = &s;
        if (section == nullptr) continue;
        if (section->read == nullptr) return;
        (this->*section->read)(layer);
    }
}

void DeckWalk::ReadFixities(Layer& layer) {
    const int count = SectionCount("fixity count");
    const int node_count = static_cast<int>(layer.nodes.size());
    for (int r = 1; r <= count; ++r) {
        NextRecord("fixity line", r, count, 3);  // node, fixity code, value
        Fixity fixity;
        fixity.node = Resolve(lines_.Int(0), node_count);
        fixity.code = lines_.Int(1);
        fixity.value = lines_.Real(2);
        layer.fixities.push_back(fixity);
    }
}

void DeckWalk::ReadLoads(Layer& layer) {
    const int count = SectionCount("load count");
    const int node_count = static_cast<int>(layer.nodes.size());
    for (int r = 1; r <= count; ++r) {
        NextRecord("load line", r, count, 4);  // node, load case, x load, y load
        Load load;
        load.node = Resolve(lines_.Int(0), node_count);
        load.load_case = lines_.Int(1);
        load.fx = lines_.Real(2);
        load.fy = lines_.Real(3);
        layer.loads.push_back(load);
    }
}

}  // namespace

PlotModel ReadDeck(std::istream& in, const std::string& file_name, FormRules& rules,
                   InputFormat format) {
    DeckWalk walk(in, file_name, rules);
    return walk.Read(format);
}

}  // namespace zentaplot
