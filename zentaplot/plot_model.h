// The model that zentaplot draws: what both input forms hold, with every node reference
// already looked up in its own layer.
#pragma once

#include <string>
#include <vector>

namespace zentaplot {

enum class InputFormat { kLegacy, kCurrent };

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// One material line.
struct Material {
    int type = 0;          // the leading integer of the line
    double modulus = 0.0;  // Young's modulus, the first property
    double poisson = 0.0;  // Poisson's ratio, the second property (0 when the line has none)
};

constexpr int kNoNode = -1;  // a reference that names no node line of the layer

// A node reference as written (`ref`) and what it names (`node`: index into the layer's
// nodes, counting from 0, or kNoNode).
struct NodeRef {
    int ref = 0;
    int node = kNoNode;
};

constexpr int kMaxSlots = 8;

struct Element {
    int number = 0;      // element number as written
    int material = 0;    // material number as written; material line `material` when in range
    int slot_count = 0;  // 6 or 8: corner and midside slots by turns, starting with a corner
    NodeRef slots[kMaxSlots];
};

struct Node {
    int number = 0;  // node number as written
    Point xy;
};

struct Fixity {
    NodeRef node;
    int code = 0;        // 1 x fixed, 2 y fixed, 3 both, 4 x prescribed, 5 y prescribed
    double value = 0.0;  // the prescribed displacement for codes 4 and 5
};

struct Load {
    NodeRef node;
    int load_case = 0;
    double fx = 0.0;
    double fy = 0.0;
};

// The single model, or one layer of a layered file.
struct Layer {
    int number = 1;  // 1, 2, ... in file order
    std::vector<Element> elements;
    std::vector<Node> nodes;
    std::vector<Fixity> fixities;
    std::vector<Load> loads;
};

struct PlotModel {
    InputFormat format = InputFormat::kLegacy;
    bool layered = false;  // the counts line had three fields
    std::string title;
    int problem_type = 0;  // 0 axisymmetric, 1 plane stress, 2 plane strain
    std::vector<Material> materials;
    std::vector<Layer> layers;
};

}  // namespace zentaplot
