// Pressures on element faces, as an archive gives them: "SFE," lines
//   SFE,       1,   1,PRES,1,R5.0          (values on the next line)
//     300.000000      300.000000      300.000000      300.000000
//   SFE,12,1,PRES,,100                     (values on the line itself)
// and "SFEBLOCK" blocks of rows "element face kind values", closed by a -1 line or by the end
// line "SFE,end,LOC,       -1,".
#pragma once

#include <string>
#include <vector>

// True for an "SFE," line that carries a surface load: every one but the end line of an
// "SFEBLOCK". The summary counts these lines, the surface load reader reads them.
bool isSurfaceLoadLine(const std::string& line);

// One pressure of an element face. A later line or row for the same element, face and kind
// replaces the values of an earlier one.
struct SurfaceLoad {
    static constexpr int kReal = 1;
    static constexpr int kImaginary = 2;

    int element = 0;  // ANSYS element number
    int face = 0;     // face number of the element (1 = J-I, 2 = K-J, ...)
    int kind = kReal;
    // Pressures at the face's first and second node as listed; values 3 and 4 are not used.
    double values[4] = {};
};

// What the surface load reader finds.
struct SurfaceLoads {
    std::vector<SurfaceLoad> pressures;  // label PRES, in the order of first appearance
    int untranslated = 0;                // lines and rows of other labels, or without values
};
