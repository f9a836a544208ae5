// What the second scan gathers from a deck: the meshes of the parts (or of a deck without
// parts) under the deck's own numbers, the instances that place them, sections, materials,
// fixities and loads, and what was passed over. The output model is assembled from it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "number_map.h"
#include "sets.h"

namespace abazenta {

// Room for `more` entries beyond those held, growing at least twofold, so that many small
// blocks cost no more than one large one.
template <typename T>
void reserve_more(std::vector<T>& table, std::size_t more) {
    const std::size_t needed = table.size() + more;
    if (needed > table.capacity()) table.reserve(std::max(needed, 2 * table.capacity()));
}

// Largest number of nodes and of elements that a mesh, and the translated model, may hold.
inline constexpr int MAX_NODES = 200000;
inline constexpr int MAX_ELEM = 200000;

// Most nodes an element line can give (further integers are ignored).
inline constexpr int kMaxElementNodes = 8;

// Fixed directions, combined by bitwise or: 3 means both.
inline constexpr unsigned char kFixedX = 1;
inline constexpr unsigned char kFixedY = 2;

struct NodeXY {
    double x = 0.0;
    double y = 0.0;
};

// An element: its nodes in ABAQUS order (corners, then midsides), their count and its material.
// In the mesh of a deck being read the nodes are the deck's numbers (elements may come before
// their nodes) and the material is the key of its element set (index into
// DeckModel::material_keys); the assembler turns the numbers into the mesh's node indexes, and in
// the output model the nodes are output node indexes and the material a material line.
struct LegacyElement {
    std::array<int, kMaxElementNodes> nodes{};
    int node_count = 0;
    int material = 0;
};

// What else the deck says of an element.
struct ElementInfo {
    int type = 0;    // index into DeckModel::element_types
    int number = 0;  // element number of the deck
    // An 8-node quadrilateral stored as the 6-node triangle it collapses to: the rule that
    // collapsed it and the midside node that the triangle left out (numbered as the element's
    // nodes are; -1 once resolved when no *NODE line defines it), so that its faces can be taken
    // as the deck gives them. -1: not collapsed.
    int collapse_rule = -1;
    int dropped_midside = 0;
};

// The mesh of one part, or the deck's own mesh (nodes and elements outside any part), kept
// once however many instances place it.
struct Mesh {
    NumberMap node_map;                     // node number -> dense node index
    std::vector<NodeXY> node_xy;            // by dense node index
    NumberMap element_map;                  // element number -> dense element index
    std::vector<LegacyElement> elements;    // by dense element index
    std::vector<ElementInfo> element_info;  // by dense element index
    bool resolved = false;  // the nodes of `elements` are node indexes, no longer numbers
    // Material key of every *ELEMENT block of plane elements, in file order: a block without
    // data lines still gives its element set a material.
    std::vector<int> block_keys;
    // Elements of types that are not plane elements: (index into DeckModel::element_types, count).
    std::vector<std::pair<int, int>> skipped_types;
    int first_solid_type = -1;  // index into DeckModel::element_types; -1 when none
    SetTable node_sets;
    SetTable element_sets;
    SurfaceTable surfaces;
};

struct Part {
    std::string name;
    Mesh mesh;
};

// Where an instance puts its part: moved by `dx`, `dy`, then turned about (`cx`, `cy`).
struct Placement {
    double dx = 0.0;
    double dy = 0.0;
    double cx = 0.0;
    double cy = 0.0;
    double cos_angle = 1.0;
    double sin_angle = 0.0;

    NodeXY apply(NodeXY p) const {
        const double x = p.x + dx - cx;
        const double y = p.y + dy - cy;
        return {cx + cos_angle * x - sin_angle * y, cy + sin_angle * x + cos_angle * y};
    }
};

struct Instance {
    std::string name;
    int part = 0;  // index into DeckModel::parts
    Placement placement;
};

// A *SOLID SECTION, *SHELL SECTION or *MEMBRANE SECTION.
struct Section {
    int part = -1;         // index into DeckModel::parts; -1 for the deck's own mesh
    std::string elset;     // element set of that mesh
    std::string material;  // as written
    double thickness = 1.0;
};

// What the deck says of one *MATERIAL.
struct MaterialData {
    bool isotropic = false;  // an isotropic *ELASTIC with a data line
    double modulus = 0.0;
    double poisson_ratio = 0.0;
    double density = 0.0;
};

// A node of the translated model: a dense node index of the mesh that the instance places, or
// of the deck's own mesh for kOwnMesh.
struct NodeTarget {
    int instance = kOwnMesh;
    int node = 0;
};

// The keywords of the lines that define boundary conditions and loads in the steps.
enum class HistoryKeyword : unsigned char { kBoundary, kCload, kDsload, kDload };
inline constexpr std::size_t kHistoryKeywords = 4;

// One *BOUNDARY, *CLOAD, *DSLOAD or *DLOAD data line that is translated.
struct HistoryLine {
    HistoryKeyword keyword = HistoryKeyword::kCload;
    int step = 0;        // 0: model data (lines before the first *STEP)
    double scale = 1.0;  // the value of the block's amplitude at the end of the step
};

// One *BOUNDARY line applied to one node; later records win.
struct FixityRecord {
    NodeTarget target;
    unsigned char directions = 0;  // kFixedX | kFixedY
    double value = 0.0;            // the prescribed displacement
    int line = 0;                  // index into DeckModel::history_lines
};

// One *CLOAD line applied to one node.
struct LoadTarget {
    NodeTarget target;
    double value = 0.0;
    int direction = 1;  // 1 or 2
    int line = 0;       // index into DeckModel::history_lines
};

// An element, or one face of it, that a distributed load acts on.
struct ElementTarget {
    int instance = kOwnMesh;
    int element = -1;  // dense element index of the mesh that the instance places; -1: none
    int face = 0;      // 1 to 4; 0 for a body load
};

enum class LoadKind : unsigned char {
    kPressure,     // P, Pn: magnitude pushing into the element
    kShear,        // TRSHR: magnitude along the face, towards the direction
    kTraction,     // TRVEC: magnitude along the direction
    kBody,         // BX, BY, BR, BZ: magnitude per unit volume along the direction
    kGravity,      // GRAV: density x magnitude along the direction
    kCentrifugal,  // CENTRIF: density x magnitude x the distance vector from the axis
};

// One *DSLOAD or *DLOAD data line that is translated (with -full).
struct DistributedLoad {
    int line = 0;  // index into DeckModel::history_lines
    LoadKind kind = LoadKind::kPressure;
    // Tells apart the loads of one element or face that replace one another across steps:
    // the face load's kind, or the body load's label.
    int key = 0;
    double magnitude = 0.0;
    double dx = 0.0, dy = 0.0;   // a unit vector: the direction of TRVEC, GRAV and BX ... BZ
    double x0 = 0.0, y0 = 0.0;   // CENTRIF: a point of the axis
    bool every_element = false;  // GRAV without a target: every element written
    std::vector<ElementTarget> targets;  // in the order of the set or surface, each once
};

struct KeywordCount {
    std::string_view keyword;  // as the message names it: upper case with single blanks
    int lines = 0;
    std::string_view boundary_type;  // *BOUNDARY lines of this TYPE=; empty for a keyword
};

struct DeckModel {
    Mesh deck_mesh;  // outside parts; its set tables are the assembly's
    std::vector<Part> parts;
    std::unordered_map<std::string, int> part_by_name;  // upper-case name -> index
    std::vector<Instance> instances;                    // in *INSTANCE order
    std::unordered_map<std::string, int> instance_by_name;

    std::vector<std::string> element_types;  // upper-case type names, in order of appearance
    std::vector<std::string> material_keys;  // element-set keys, in order of appearance
    std::vector<Section> sections;           // in file order
    std::unordered_map<std::string, MaterialData> materials;  // by upper-case name

    std::vector<HistoryLine> history_lines;          // in line order
    std::vector<FixityRecord> fixities;              // in line order
    std::vector<LoadTarget> loads;                   // in line order
    std::vector<DistributedLoad> distributed_loads;  // -full: in line order
    // -full: the last step whose block of the keyword carries OP=NEW (0: none), which removes
    // what earlier steps defined.
    std::array<int, kHistoryKeywords> renewed_in{};
    std::vector<KeywordCount> not_translated;  // in order of first appearance

    // A deck with parts has only its instances translated.
    bool has_parts() const { return !parts.empty(); }
};

}  // namespace abazenta
