// One "MPDATA" line of an archive, as the summary and the material reader read it:
//   MPDATA,R5.0, 1,EX  ,       1,  1,  2.00000000E+11    ,
// (a value count, the label padded to four characters, the material number, the location of
// the first value in the property's temperature table, then the values).
#pragma once

#include <string>

struct MaterialLine {
    int valueCount = 0;  // values of the property (more than 1: a temperature table)
    std::string label;   // as read: the run of non-blank characters after the count's comma
    int material = 0;    // ANSYS material number
    int start = 0;       // table location of the line's first value; above 1 on the lines that
                         // continue a table
    double value = 0.0;  // first value of the line

    bool continuesTable() const { return start > 1; }

    // The label without its blanks and comma ("EX", "NUXY").
    std::string bareLabel() const { return label.substr(0, label.find(',')); }
};

// Parses the line: the count and the label from position 12, the material number, start
// location and value from position 20. Numbers that do not parse stay 0.
MaterialLine parseMaterialLine(const std::string& line);
