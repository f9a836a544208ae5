// What the second scan gathers from a deck: the meshes of the parts (or of a deck without
// parts) under the deck's own numbers, the instances that place them, sections, materials,
// fixities and loads, and what was passed over. The output model is assembled from it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "number_map.h"
#include "sets.h"

namespace abazenta {

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

struct StoredElement {
    // Node numbers of the deck in ABAQUS order (corners, then midsides); resolved only when the
    // model is assembled, since elements may come before their nodes.
    std::array<int, kMaxElementNodes> nodes{};
    int node_count = 0;
    int material_key = 0;  // index into DeckModel::material_keys
    int type = 0;          // index into DeckModel::element_types
    int number = 0;        // element number of the deck
};

// The mesh of one part, or the deck's own mesh (nodes and elements outside any part), kept
// once however many instances place it.
struct Mesh {
    NumberMap node_map;           // node number -> dense node index
    std::vector<NodeXY> node_xy;  // by dense node index
    NumberMap element_map;        // element number -> dense element index
    std::vector<StoredElement> elements;
    // Material key of every *ELEMENT block of plane elements, in file order: a block without
    // data lines still gives its element set a material.
    std::vector<int> block_keys;
    // Elements of types that are not plane elements: (index into DeckModel::element_types, count).
    std::vector<std::pair<int, int>> skipped_types;
    int first_solid_type = -1;  // index into DeckModel::element_types; -1 when none
    SetTable node_sets;
    SetTable element_sets;
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

// One *BOUNDARY line applied to one node; later records win.
struct FixityRecord {
    NodeTarget target;
    unsigned char directions = 0;  // kFixedX | kFixedY
    double value = 0.0;            // the prescribed displacement
};

struct LoadTarget {
    NodeTarget target;
    double fx = 0.0;  // force in direction 1
    double fy = 0.0;  // force in direction 2
};

struct KeywordCount {
    std::string_view keyword;  // as the message names it: upper case with single blanks
    int lines = 0;
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

    std::vector<FixityRecord> fixities;        // in line order
    std::vector<LoadTarget> loads;             // in line order
    std::vector<KeywordCount> not_translated;  // in order of first appearance

    // A deck with parts has only its instances translated.
    bool has_parts() const { return !parts.empty(); }
};

}  // namespace abazenta
