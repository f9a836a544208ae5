// Element type definition ("ET," line) of the archive model.
#pragma once

struct ElemSet {
    int id = 0;      // element type reference number that elements carry
    int type = 0;    // ANSYS element type number (82 for an eight-node plane element)
    int opt_2d = 0;  // value of key option 3; 0 unless a "KEYOP," line sets it
};
