// Element record of the archive model.
#pragma once

struct Elem {
    static constexpr int kNodeSlots = 27;  // node list size; only the first 8 are ever filled
    static constexpr int kKeptNodes = 8;

    int id = 0;         // ANSYS element number
    int type = 0;       // element type reference number (the id of an ElemSet); ansmrp turns it
                        // into an MRP element code
    int mat = 0;        // ANSYS material number
    int real = 0;       // real constant set number
    int num_nodes = 0;  // node count as the archive gives it
    // Entries 0..7: ANSYS node numbers after reading; node sequence numbers after conversion.
    int nodes[kNodeSlots] = {};
};
