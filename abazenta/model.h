// The translation model: nodes, elements, materials, fixities and loads of one ABAQUS input,
// as the second scan stores them and the writer prints them.
#pragma once

#include <array>
#include <vector>

#include "number_map.h"

namespace abazenta {

// Largest number of nodes and of elements that a model may hold.
inline constexpr int MAX_NODES = 200000;
inline constexpr int MAX_ELEM = 200000;

// One material row; every element set gets the same fixed values.
struct MaterialRow {
    double type_code = 1.0;
    double elastic_modulus = 3.0e7;
    double poisson_ratio = 0.3;
    double last_column = 1.0;
};

struct NodeXY {
    double x = 0.0;
    double y = 0.0;
};

// Fixity codes, combined by bitwise or: 3 means both directions fixed.
inline constexpr unsigned char kFixedX = 1;
inline constexpr unsigned char kFixedY = 2;

// One concentrated load.
struct LoadRecord {
    int node = 0;       // dense node index (0-based)
    int load_case = 0;  // load case number
    double fx = 0.0;    // force in direction 1
    double fy = 0.0;    // force in direction 2
};

// Most nodes an element line can give (further integers are ignored).
inline constexpr int kMaxElementNodes = 8;

struct AbaqusModel {
    int num_materials = 0;     // distinct element-set numbers seen
    int num_nodes = 0;         // distinct node numbers stored
    int num_elements = 0;      // distinct element numbers stored
    int problem_type = 1;      // plane problem code of the counts line: plane stress
    int current_material = 0;  // dense material index for the element lines that follow
    int load_case = 1;         // load case stored with every load

    std::vector<MaterialRow> materials;  // by dense material index
    std::vector<NodeXY> node_xy;         // by dense node index
    std::vector<unsigned char> fixity;   // by dense node index; kFixedX | kFixedY

    // By dense element index. Node numbers are kept as ABAQUS numbers and resolved only when
    // the legacy file is written, since elements may come before their nodes.
    std::vector<int> elem_node_count;
    std::vector<std::array<int, kMaxElementNodes>> elem_nodes;
    std::vector<int> elem_material;  // dense material index
    std::vector<int> elem_number;    // ABAQUS element number (kept, not written)

    int num_loads = 0;              // records stored in `loads`
    std::vector<LoadRecord> loads;  // in the order of the *CLOAD lines

    NumberMap node_map;
    NumberMap element_map;
    NumberMap element_set_map;
};

}  // namespace abazenta
