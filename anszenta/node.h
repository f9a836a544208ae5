// Node record of the archive model.
#pragma once

struct Node {
    int id = 0;      // ANSYS node number
    int nid = 0;     // sequence number: table index + 1, the number the output files use
    double x = 0.0;  // coordinates, model units
    double y = 0.0;
    double z = 0.0;  // read, never written
};
