// Writes an input file of about N eight-node quadrilaterals for timing zentaplot:
//   zentaplot_gen N OUT [legacy|current|late]
// A rectangular grid twice as wide as high, corner and midside nodes numbered 1, 2, ... row by
// row, two materials (left and right half), the left edge fixed and the right edge loaded.
// "legacy" (the default) writes indented fixed-width columns (eight wide, so that no field fills
// its width); "current" writes the converter's layout (single blanks, numbers as printf %g);
// "late" writes a legacy file that keeps the converter's layout up to an indented last line.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: zentaplot_gen ELEMENTS OUT [legacy|current|late]\n");
        return 1;
    }
    const long wanted = std::atol(argv[1]);
    const bool late = argc == 4 && std::strcmp(argv[3], "late") == 0;
    const bool current = late || (argc == 4 && std::strcmp(argv[3], "current") == 0);
    const long rows = std::max(1L, std::lround(std::sqrt(wanted / 2.0)));
    const long cols = 2 * rows;
    // Node rows: corner rows (cols*2+1 nodes) and midside rows (cols+1 nodes) alternate.
    const long wide = 2 * cols + 1, narrow = cols + 1;
    auto corner_row = [&](long r) { return r * (wide + narrow); };    // nodes before corner row r
    auto id = [&](long r, long c) { return corner_row(r) + c + 1; };  // c in 0..2*cols
    auto mid = [&](long r, long c) { return corner_row(r) + wide + c + 1; };  // c in 0..cols
    const long nodes = rows * (wide + narrow) + wide;
    const long elems = rows * cols;
    std::FILE* out = std::fopen(argv[2], "w");
    if (out == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    const char* element = current ? "%ld %d %ld %ld %ld %ld %ld %ld %ld %ld\n"
                                  : "%8ld%8d%8ld%8ld%8ld%8ld%8ld%8ld%8ld%8ld\n";
    const char* node = current ? "%ld %g %g\n" : "%8ld %21.6e %21.6e\n";
    std::fprintf(out, "benchmark plate\n");
    std::fprintf(out, current ? "%ld %ld 2 1\n" : "%8ld%8ld       2       1\n", nodes, elems);
    for (int m = 0; m < 2; ++m)
        std::fprintf(out, current ? "1 %g 0.3 1 0 7850\n" : "    1 %9.2e  3.00e-01  1.00e+00\n",
                     m == 0 ? 2e11 : 7e10);
    long e = 0;
    for (long r = 0; r < rows; ++r)
        for (long c = 0; c < cols; ++c)
            std::fprintf(out, element, ++e, c < cols / 2 ? 1 : 2, id(r, 2 * c), id(r, 2 * c + 1),
                         id(r, 2 * c + 2), mid(r, c + 1), id(r + 1, 2 * c + 2),
                         id(r + 1, 2 * c + 1), id(r + 1, 2 * c), mid(r, c));
    for (long r = 0; r <= rows; ++r) {
        for (long c = 0; c < wide; ++c) std::fprintf(out, node, id(r, c), 0.5 * c, 1.0 * r);
        if (r == rows) break;
        for (long c = 0; c < narrow; ++c) std::fprintf(out, node, mid(r, c), 1.0 * c, r + 0.5);
    }
    std::fprintf(out, "AFIXITY\n%ld\n", rows + 1);
    for (long r = 0; r <= rows; ++r) std::fprintf(out, "%ld 1 0\n", id(r, 0));
    std::fprintf(out, "ALOADS\n%ld\n", rows + 1);
    for (long r = 0; r <= rows; ++r) std::fprintf(out, "%ld 1 100 0\n", id(r, 2 * cols));
    std::fprintf(out, late ? " ENDBC\n" : "ENDBC\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
