// Accelerations and rotational velocities of an archive: "ACEL,ax,ay,az" (the acceleration of
// the frame), "OMEGA,wx,wy,wz" (the spin of the model about the global axes) and the lines of a
// second rotating frame, "CGOMGA", "DOMEGA" and "CGLOC", which are never translated.
#pragma once

#include <array>
#include <cstddef>
#include <string>

using Components = std::array<double, 3>;

// The three values after the keyword and its comma; a blank or unreadable value is 0.
Components inertiaComponents(const std::string& line, size_t keywordLength);

bool anyNonzero(const Components& values);

// A line of a second rotating frame ("CGOMGA,", "DOMEGA,", "CGLOC,").
bool isFrameRotationLine(const std::string& line);

// What the inertia load reader finds.
struct InertiaLoads {
    bool accelerated = false;
    Components acceleration{};   // of the last ACEL line whose x or y value is not 0
    int zOnlyAccelerations = 0;  // ACEL lines whose only nonzero value is z
    bool spinning = false;
    Components spin{};       // of the last OMEGA line with a nonzero component
    int frameRotations = 0;  // lines of a second rotating frame with a nonzero value
};
