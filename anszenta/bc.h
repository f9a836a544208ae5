// Nodal boundary condition record of the archive model (also holds ansmrp's nodal stresses).
#pragma once

struct BC {
    // Record kinds.
    static constexpr int kDropped = -1;
    static constexpr int kFixed = 0;
    static constexpr int kForce = 1;
    static constexpr int kDisplacement = 2;
    static constexpr int kStress = 3;

    int type = kFixed;
    int node = 0;           // ANSYS node number
    int axis = 0;           // direction code: 1 X, 2 Y, 3 X and Y (merged force), 4 prescribed X,
                            // 5 prescribed Y, 6 Z, 10 stress
    double value = 0.0;     // value given by the archive line
    int load_case = 0;      // unused
    double values[6] = {};  // force components for the writer: [0] X, [1] Y
};
