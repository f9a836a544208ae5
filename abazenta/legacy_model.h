// The translated model as the writer prints it: nodes numbered 0, 1, 2, ... in output order,
// elements naming those indexes, material lines, fixities and loads.
#pragma once

#include <array>
#include <vector>

#include "deck_model.h"
#include "element_types.h"

namespace abazenta {

// One material line: type 1, then these properties in this order.
struct MaterialLine {
    double modulus = 3.0e7;
    double poisson_ratio = 0.3;
    double thickness = 1.0;
    double toughness = 1.0;
    double density = 1.0;
};

// A node's fixed directions and their prescribed displacements (0 for a plain fixity).
struct NodeFixity {
    int node = 0;             // output node index (0-based)
    unsigned char fixed = 0;  // kFixedX | kFixedY
    double x_value = 0.0;
    double y_value = 0.0;
};

// One concentrated load.
struct LoadRecord {
    int node = 0;       // output node index (0-based)
    int load_case = 0;  // load case number
    double fx = 0.0;    // force in direction 1
    double fy = 0.0;    // force in direction 2
};

struct LegacyModel {
    // -full: every real (coordinates, material values, prescribed displacements, loads) in
    // the shortest form that reads back as the same double; otherwise the historic formats
    // ("%e" coordinates, "%9.2e" material lines, "%g" loads).
    bool exact_reals = false;
    int problem_type = kPlaneStress;
    std::vector<MaterialLine> materials;
    std::vector<LegacyElement> elements;
    std::vector<NodeXY> nodes;
    std::vector<NodeFixity> fixities;  // one per node with a fixity, in node order
    std::vector<LoadRecord> loads;     // one per node and load case, in the order written
};

}  // namespace abazenta
