// Legacy ZENTA2D(L) input file -> current ZENTA2D input file, in one pass over the input.
#include "convert.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "Dict.h"
#include "FileIterator.h"
#include "List.h"
#include "String.h"
#include "Vec2D.h"
#include "real_text_fast.h"

namespace Zenta2D {

namespace {

using ZTools::Dict;
using ZTools::FileIterator;
using ZTools::List;
using ZTools::String;
using ZTools::Vec2D;

// The converter's output: whole lines gathered into a block that goes to the stream in large
// writes. What the block holds is written when it is destroyed, so every line finished before a
// failure reaches the stream.
class OutputBlock {
  public:
    explicit OutputBlock(std::ostream& out) : out_(out) {}
    ~OutputBlock() { Flush(); }
    OutputBlock(const OutputBlock&) = delete;
    OutputBlock& operator=(const OutputBlock&) = delete;

    std::string& Text() { return text_; }
    void LineEnded() {
        if (text_.size() >= kBlockSize) Flush();
    }

  private:
    static constexpr std::size_t kBlockSize = 1 << 16;
    void Flush() {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }
    std::ostream& out_;
    std::string text_;
};

// One output line, written into the block: items separated by exactly one blank, integers in
// plain decimal, reals as printf "%g" prints them (six significant digits, general notation)
// when that text reads back as the same double, otherwise in the shortest text that does: no
// digit is lost. A line that is not ended (a failure while it is made) leaves nothing behind.
class OutLine {
  public:
    explicit OutLine(OutputBlock& block)
        : block_(block), text_(block.Text()), start_(text_.size()) {}
    ~OutLine() {
        if (!ended_) text_.resize(start_);
    }
    OutLine(const OutLine&) = delete;
    OutLine& operator=(const OutLine&) = delete;

    OutLine& Int(long long value) {
        Separate();
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        text_.append(digits, result.ptr);
        return *this;
    }
    OutLine& Real(double value) {
        Separate();
        AppendGeneralOrShortest(text_, value);
        return *this;
    }
    OutLine& Word(const char* word) {
        Separate();
        text_ += word;
        return *this;
    }
    void End() {
        text_ += '\n';
        ended_ = true;
        block_.LineEnded();
    }

  private:
    void Separate() {
        if (text_.size() > start_) text_ += ' ';
    }
    OutputBlock& block_;
    std::string& text_;
    std::size_t start_;  // where this line begins in the block
    bool ended_ = false;
};

// Rows reserved for a block of `count` records: the tables then grow no more while the block is
// read. A count may promise far more lines than follow it, so no more than a bound is reserved
// ahead (larger blocks grow from there as they are read).
int ReservedRows(long long count) {
    constexpr long long kMostReservedRows = 1 << 20;
    return static_cast<int>(
        std::clamp<long long>(count, List<int>::kInlineCapacity, kMostReservedRows));
}

// Everything read for one model or layer; created at the start of the layer and released at
// its end, so nothing of one layer can leak into the next.
struct Layer {
    Layer(long long node_count, long long element_count, bool has_bc)
        : NumNodes(node_count),
          HasBc(has_bc),
          conn(ReservedRows(element_count)),
          Coords(ReservedRows(node_count)),
          NMap(false) {
        NMap.Store(0, 0);  // a slot holding 0 names no node and stays 0
    }
    long long NumNodes;    // node lines of the layer (never negative)
    bool HasBc;            // the layer carries a boundary-condition part
    List<List<int>> conn;  // every token of every element line, in file order
    List<Vec2D> Coords;    // (x, y) of every node line, in file order
    Dict<int, int> NMap;   // legacy node id -> new node number (1-based)
    int NextNid = 1;       // new number of the next node line
};

class LegacyConverter {
  public:
    LegacyConverter(std::istream& in, std::ostream& out)
        : lines_(in, FileIterator::SIGNIFICANT_BLANK_LINES), output_(out) {}
    void Run();

  private:
    using SectionConverter = void (LegacyConverter::*)(const Layer&);
    struct Section {
        const char* keyword;
        SectionConverter convert;  // nullptr for "ENDBC", which ends the part
    };
    static const Section kSections[];

    void ConvertTitle();
    void ConvertMaterials(long long count);
    void ConvertLayer(bool layered, long long single_nodes, long long single_elems, bool bc_always);
    void ReadElements(Layer& layer, long long count);
    void ReadNodes(Layer& layer);
    void WriteElements(const Layer& layer);
    void WriteNodes(const Layer& layer);
    void ConvertBoundaryPart(const Layer& layer);

    void ConvertFixities(const Layer& layer);
    void ConvertLoads(const Layer& layer);
    void ConvertLoadTypes(const Layer& layer);
    void ConvertCracks(const Layer& layer);
    void ConvertHardeningCurves(const Layer& layer);
    void ConvertCohesiveZones(const Layer& layer);
    void ConvertToughnessTables(const Layer& layer);

    // Makes the next line current and rejects it unless it holds at least min_tokens tokens
    // (a blank line, or a line past the end of the input, holds none).
    void NextRecord(int min_tokens);
    // Reads a section's count line, writes the count and returns it.
    long long CopyCount();
    // A record line whose tokens are all reals (a cohesive-zone row).
    void CopyRealRow();

    int IntToken(int i) { return lines_[i].AsInt(); }
    double RealToken(int i) { return lines_[i].AsFloat(); }
    void Write(OutLine& line) { line.End(); }

    FileIterator lines_;
    OutputBlock output_;
};

// The boundary-condition and crack sections carried across, keyed by the first token of their
// keyword line (exact, case-sensitive). Any other line of the part is skipped.
const LegacyConverter::Section LegacyConverter::kSections[] = {
    {"AFIXITY", &LegacyConverter::ConvertFixities},
    {"ALOADS", &LegacyConverter::ConvertLoads},
    {"LOADTYP", &LegacyConverter::ConvertLoadTypes},
    {"ACRACKS", &LegacyConverter::ConvertCracks},
    {"HARDCURVE", &LegacyConverter::ConvertHardeningCurves},
    {"multiCZM", &LegacyConverter::ConvertCohesiveZones},
    {"ParticleCZM", &LegacyConverter::ConvertCohesiveZones},
    {"ITOUGH", &LegacyConverter::ConvertToughnessTables},
    {"ENDBC", nullptr},
};

// A node reference in a section record: 0 (no node) or the id of a node line of the layer.
int MapNode(const Layer& layer, int legacy_id) {
    const int* mapped = layer.NMap.Find(legacy_id);
    if (mapped == nullptr) throw FormatError();
    return *mapped;
}

// An element slot may also hold the ABAQUS translator's filler for the midside slots of
// linear elements, the node count + 2; the node count is kept, so the filler is kept too.
long long MapElementSlot(const Layer& layer, int slot) {
    const int* mapped = layer.NMap.Find(slot);
    if (mapped != nullptr) return *mapped;
    if (slot == layer.NumNodes + 2) return slot;
    throw FormatError();
}

void LegacyConverter::NextRecord(int min_tokens) {
    lines_.Next();
    if (lines_.Len() < min_tokens) throw FormatError();
}

long long LegacyConverter::CopyCount() {
    NextRecord(1);
    const int count = IntToken(0);
    OutLine line(output_);
    Write(line.Int(count));
    return count;  // a negative count means no records
}

void LegacyConverter::CopyRealRow() {
    NextRecord(1);
    OutLine line(output_);
    const int n = lines_.Len();
    for (int i = 0; i < n; ++i) line.Real(RealToken(i));
    Write(line);
}

void LegacyConverter::Run() {
    ConvertTitle();
    lines_.Next();
    const int counts = lines_.Len();
    OutLine line(output_);
    if (counts == 4) {  // single model: NumNodes NumElems NumMats ProbType
        const int nodes = IntToken(0), elems = IntToken(1), mats = IntToken(2);
        Write(line.Int(nodes).Int(elems).Int(mats).Int(IntToken(3)));
        ConvertMaterials(mats);
        ConvertLayer(false, nodes, elems, true);
    } else if (counts == 3) {  // layered: NumLayers NumMats ProbType
        const int layers = IntToken(0), mats = IntToken(1);
        Write(line.Int(layers).Int(mats).Int(IntToken(2)));
        ConvertMaterials(mats);
        for (long long i = 0; i < layers; ++i) ConvertLayer(true, 0, 0, layers <= 1);
    } else {
        throw FormatError();
    }
}

void LegacyConverter::ConvertTitle() {
    lines_.First();
    OutLine line(output_);
    const int n = lines_.Len();
    for (int i = 0; i < n; ++i) line.Word(lines_[i].AsStr());
    Write(line);
}

void LegacyConverter::ConvertMaterials(long long count) {
    for (long long m = 0; m < count; ++m) {
        NextRecord(2);  // the material type and at least one property
        OutLine line(output_);
        line.Int(IntToken(0));
        const int n = lines_.Len();
        for (int i = 1; i < n; ++i) line.Real(RealToken(i));
        Write(line);
    }
}

void LegacyConverter::ConvertLayer(bool layered, long long single_nodes, long long single_elems,
                                   bool bc_always) {
    long long nodes = single_nodes, elems = single_elems;
    bool has_bc = false;
    if (layered) {
        NextRecord(2);  // layer header: NumNodes NumElems
        const int header_nodes = IntToken(0);
        elems = IntToken(1);
        OutLine line(output_);
        Write(line.Int(header_nodes).Int(elems));
        has_bc = header_nodes < 0;  // a negative node count announces a boundary part
        nodes = header_nodes < 0 ? -static_cast<long long>(header_nodes) : header_nodes;
    }
    Layer layer(nodes, elems, has_bc);
    ReadElements(layer, elems);
    ReadNodes(layer);
    WriteElements(layer);
    WriteNodes(layer);
    if (bc_always || layer.HasBc) ConvertBoundaryPart(layer);
}

void LegacyConverter::ReadElements(Layer& layer, long long count) {
    for (long long j = 0; j < count; ++j) {
        NextRecord(2);  // element id and material number at least
        layer.conn.ExtendOne();
        List<int>& tokens = layer.conn[-1];
        tokens.Clear();
        const int n = lines_.Len();
        for (int i = 0; i < n; ++i) tokens.Append(IntToken(i));
    }
}

void LegacyConverter::ReadNodes(Layer& layer) {
    for (long long j = 0; j < layer.NumNodes; ++j) {
        NextRecord(3);  // legacy id, x, y; further tokens are ignored
        const int legacy_id = IntToken(0);
        layer.Coords.Append(Vec2D(RealToken(1), RealToken(2)));
        // A later line with the same id takes the id over. Id 0 keeps meaning "no node".
        if (legacy_id != 0) layer.NMap.Store(legacy_id, layer.NextNid);
        ++layer.NextNid;
    }
}

void LegacyConverter::WriteElements(const Layer& layer) {
    const int count = layer.conn.Len();
    for (int j = 0; j < count; ++j) {
        const List<int>& tokens = layer.conn[j];
        OutLine line(output_);
        line.Int(j + 1).Int(tokens[1]);  // the legacy element id (token 0) is dropped
        const int n = tokens.Len();
        for (int i = 2; i < n; ++i) line.Int(MapElementSlot(layer, tokens[i]));
        Write(line);
    }
}

void LegacyConverter::WriteNodes(const Layer& layer) {
    const int count = layer.Coords.Len();
    for (int j = 0; j < count; ++j) {
        const Vec2D& xy = layer.Coords[j];
        OutLine line(output_);
        Write(line.Int(j + 1).Real(xy[0]).Real(xy[1]));
    }
}

void LegacyConverter::ConvertBoundaryPart(const Layer& layer) {
    for (;;) {
        lines_.Next();
        if (!lines_.More()) return;       // a part without "ENDBC" ends with the file
        if (lines_.Len() == 0) continue;  // blank lines between sections
        const String& keyword = lines_[0];
        const Section* section = nullptr;
        for (const Section& s : kSections) {
            if (keyword == s.keyword) {
                section = &s;
                break;
            }
        }
        // Lines of sections this converter does not know are skipped one by one.
        if (section == nullptr) continue;
        OutLine line(output_);
        Write(line.Word(section->keyword));  // further tokens of the keyword line are dropped
        if (section->convert == nullptr) return;
        (this->*section->convert)(layer);
    }
}

void LegacyConverter::ConvertFixities(const Layer& layer) {
    const long long count = CopyCount();
    for (long long r = 0; r < count; ++r) {
        NextRecord(3);  // node, fixity code, value
        OutLine line(output_);
        Write(line.Int(MapNode(layer, IntToken(0))).Int(IntToken(1)).Real(RealToken(2)));
    }
}

void LegacyConverter::ConvertLoads(const Layer& layer) {
    const long long count = CopyCount();
    for (long long r = 0; r < count; ++r) {
        NextRecord(4);  // node, load case, x load, y load
        OutLine line(output_);
        line.Int(MapNode(layer, IntToken(0))).Int(IntToken(1));
        Write(line.Real(RealToken(2)).Real(RealToken(3)));
    }
}

void LegacyConverter::ConvertLoadTypes(const Layer&) {
    constexpr int kLoadTypes = 6;
    NextRecord(kLoadTypes);
    OutLine line(output_);
    for (int i = 0; i < kLoadTypes; ++i) line.Int(IntToken(i));
    Write(line);
}

void LegacyConverter::ConvertCracks(const Layer& layer) {
    constexpr int kGroups = 3;
    for (int group = 0; group < kGroups; ++group) {
        const long long count = CopyCount();
        for (long long r = 0; r < count; ++r) {
            NextRecord(1);  // one node id
            OutLine line(output_);
            Write(line.Int(MapNode(layer, IntToken(0))));
        }
    }
}

void LegacyConverter::ConvertHardeningCurves(const Layer&) {
    const long long tables = CopyCount();
    for (long long t = 0; t < tables; ++t) {
        const long long points = CopyCount();
        for (long long p = 0; p < points; ++p) {
            NextRecord(2);  // strain, stress
            OutLine line(output_);
            Write(line.Real(RealToken(0)).Real(RealToken(1)));
        }
    }
}

void LegacyConverter::ConvertCohesiveZones(const Layer&) {
    const long long rows = CopyCount();
    for (long long r = 0; r < rows; ++r) CopyRealRow();
}

void LegacyConverter::ConvertToughnessTables(const Layer&) {
    const long long tables = CopyCount();
    for (long long t = 0; t < tables; ++t) {
        NextRecord(3);  // tb1, tb2, num_pts
        const int points = IntToken(2);
        OutLine header(output_);
        Write(header.Int(IntToken(0)).Int(IntToken(1)).Int(points));
        for (long long p = 0; p < points; ++p) {
            NextRecord(2);  // ld_ang, int_gc
            OutLine line(output_);
            Write(line.Real(RealToken(0)).Real(RealToken(1)));
        }
    }
}

}  // namespace

void ConvertFiles(std::istream& in, std::ostream& out) {
    LegacyConverter converter(in, out);
    converter.Run();
}

}  // namespace Zenta2D
