// The force on one node of the archive model with -full: F lines, pressures, gravity and spin
// summed.
#pragma once

struct NodalLoad {
    double x = 0.0;
    double y = 0.0;
    bool named = false;  // an F line names the node

    // A node gets a load record when an F line names it or a force on it is not 0.
    bool written() const { return named || x != 0.0 || y != 0.0; }
};
