// Material record of the archive model.
#pragma once

struct Material {
    int id = 0;          // ANSYS material number
    int type = 1;        // material kind written to the legacy file; always 1
    double ex = 0.0;     // EX, elastic modulus
    double nu = 0.0;     // NUXY, Poisson's ratio
    double mu = 0.0;     // MU (read, never written)
    double dens = 0.0;   // DENS, density
    double alpha = 0.0;  // ALPX, thermal expansion (read, never written)
    double tough = 0.0;  // fracture toughness; archives never give it
    double thick = 1.0;  // thickness of its elements (-full: from their real constants)
};
