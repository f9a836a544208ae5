// "MPDATA" line parsing.
#include "material_line.h"

#include <cstdio>

#include "line_reader.h"

MaterialLine parseMaterialLine(const std::string& line) {
    MaterialLine parsed;
    char label[256] = "";  // a piece holds at most 254 characters, so any word fits
    std::sscanf(fromPosition(line, 12), "%d, %255s", &parsed.valueCount, label);
    parsed.label = label;
    std::sscanf(fromPosition(line, 20), "%d, %d, %lf", &parsed.material, &parsed.start,
                &parsed.value);
    return parsed;
}
