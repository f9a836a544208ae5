// "MPDATA" line parsing.
#include "material_line.h"

#include "line_reader.h"
#include "scan_text.h"

MaterialLine parseMaterialLine(const std::string& line) {
    MaterialLine parsed;
    char label[256] = "";  // a piece holds at most 254 characters, so any word fits
    scanText(fromPosition(line, 12), "%d, %255s", &parsed.valueCount, label);
    parsed.label = label;
    scanText(fromPosition(line, 20), "%d, %d, %lf", &parsed.material, &parsed.start, &parsed.value);
    return parsed;
}
