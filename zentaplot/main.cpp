// zentaplot: draws a ZENTA2D input file into a PNG or SVG picture.
#include <iostream>
#include <string>
#include <vector>

#include "program.h"

int main(int argc, char** argv) {
    return zentaplot::RunPlot(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                              std::cerr);
}
