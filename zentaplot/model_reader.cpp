// One reading of an input file for both forms: references are looked up by node number, and
// the layout and numbering are watched for the first departure from the current form.
#include "model_reader.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "messages.h"
#include "record_lines.h"

namespace zentaplot {

namespace {

// Reserve no more than this many records ahead of reading them: a count in the file may be
// far larger than the lines that follow it.
constexpr int kMostReserved = 1 << 20;

// The converter writes one blank between fields and no other blank or tab.
bool InConverterLayout(const char* line) {
    const std::size_t length = std::strlen(line);
    if (length == 0) return true;
    if (line[0] == ' ' || line[length - 1] == ' ') return false;
    if (std::strchr(line, '\t') != nullptr) return false;
    return std::strstr(line, "  ") == nullptr;
}

// The node lines of one layer as references name them: by their numbers, a later line taking a
// number over. Node lines numbered 1, 2, ... in order (those of every current file and of many
// legacy ones) are looked up by position, without a table.
class NodeLookup {
  public:
    void Index(const std::vector<Node>& nodes);
    NodeRef Resolve(int ref) const;

  private:
    int node_count_ = 0;
    bool by_position_ = true;
    std::unordered_map<int, int> index_of_number_;  // node number -> index of its (last) line
};

void NodeLookup::Index(const std::vector<Node>& nodes) {
    node_count_ = static_cast<int>(nodes.size());
    index_of_number_.clear();
    by_position_ = true;
    for (int i = 0; i < node_count_ && by_position_; ++i)
        by_position_ = nodes[static_cast<std::size_t>(i)].number == i + 1;
    if (by_position_) return;
    for (int i = 0; i < node_count_; ++i) {
        const int number = nodes[static_cast<std::size_t>(i)].number;
        if (number != 0) index_of_number_[number] = i;  // 0 keeps meaning "no node"
    }
}

NodeRef NodeLookup::Resolve(int ref) const {
    if (by_position_) return {ref, ref >= 1 && ref <= node_count_ ? ref - 1 : kNoNode};
    const auto found = index_of_number_.find(ref);
    return {ref, found == index_of_number_.end() ? kNoNode : found->second};
}

// The records of the file in order, read into the model.
class DeckWalk {
  public:
    DeckWalk(std::istream& in, const std::string& file_name) : lines_(in, file_name) {}
    PlotModel Read();

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
    // The current form holds while every line after the title is in the converter's layout
    // and every element and node line has its position as its number.
    void WatchLayout() {
        if (current_form_ && !InConverterLayout(lines_.Raw())) current_form_ = false;
    }
    void WatchNumber(int number, int position) {
        if (number != position) current_form_ = false;
    }

    RecordLines lines_;
    NodeLookup nodes_;  // of the layer being read
    bool current_form_ = true;
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
    WatchLayout();
    const int fields = lines_.Fields();
    if (fields < min_fields)
        lines_.Fail(Text::Format(Text::kTooFewFields, what, fields, min_fields));
}

int DeckWalk::Count(int i) {
    const int count = lines_.Int(i);
    if (count < 0) lines_.Fail(Text::Format(Text::kNegativeCount, count));
    return count;
}

PlotModel DeckWalk::Read() {
    PlotModel model;
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
    model.format = current_form_ ? InputFormat::kCurrent : InputFormat::kLegacy;
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
    nodes_.Index(layer.nodes);
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
        WatchNumber(element.number, e);
        element.material = lines_.Int(1);
        element.slot_count = slots;
        for (int s = 0; s < slots; ++s) element.slots[s].ref = lines_.Int(2 + s);
        layer.elements.push_back(element);
    }
}

void DeckWalk::ReadNodes(Layer& layer, int count) {
    layer.nodes.reserve(std::min(count, kMostReserved));
    for (int n = 1; n <= count; ++n) {
        NextRecord("node line", n, count, 3);  // number, x, y; further fields are ignored
        Node node;
        node.number = lines_.Int(0);
        WatchNumber(node.number, n);
        node.xy = {lines_.Real(1), lines_.Real(2)};
        layer.nodes.push_back(node);
    }
}

// Element lines come before the node lines they name, so their slots are looked up once the
// layer's node lines are read.
void DeckWalk::ResolveElementSlots(Layer& layer) {
    for (Element& element : layer.elements)
        for (int s = 0; s < element.slot_count; ++s)
            element.slots[s] = nodes_.Resolve(element.slots[s].ref);
}

void DeckWalk::ReadBoundaryPart(Layer& layer) {
    while (lines_.Next()) {  // a part without "ENDBC" ends with the file
        WatchLayout();
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
    for (int r = 1; r <= count; ++r) {
        NextRecord("fixity line", r, count, 3);  // node, fixity code, value
        Fixity fixity;
        fixity.node = nodes_.Resolve(lines_.Int(0));
        fixity.code = lines_.Int(1);
        fixity.value = lines_.Real(2);
        layer.fixities.push_back(fixity);
    }
}

void DeckWalk::ReadLoads(Layer& layer) {
    const int count = SectionCount("load count");
    for (int r = 1; r <= count; ++r) {
        NextRecord("load line", r, count, 4);  // node, load case, x load, y load
        Load load;
        load.node = nodes_.Resolve(lines_.Int(0));
        load.load_case = lines_.Int(1);
        load.fx = lines_.Real(2);
        load.fy = lines_.Real(3);
        layer.loads.push_back(load);
    }
}

}  // namespace

PlotModel ReadModel(std::istream& in, const std::string& file_name) {
    DeckWalk walk(in, file_name);
    return walk.Read();
}

}  // namespace zentaplot
