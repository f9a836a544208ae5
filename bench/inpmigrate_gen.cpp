// Writes a legacy single-model input file of about N nodes for timing inpmigrate:
//   inpmigrate_gen N OUT
// A square grid of four-node quadrilaterals in the ABAQUS translator's layout (eight slots,
// the midside slots holding the filler node count + 2). Node ids have gaps and the node lines
// run in reverse order, so every reference goes through the renumbering. The left edge is
// fixed and the right edge loaded.
#include <cmath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: inpmigrate_gen NODES OUT\n");
        return 1;
    }
    const long wanted = std::atol(argv[1]);
    const long side = std::lround(std::sqrt(static_cast<double>(wanted > 4 ? wanted : 4)));
    const long nodes = side * side;
    const long elems = (side - 1) * (side - 1);
    std::FILE* out = std::fopen(argv[2], "w");
    if (out == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    auto id = [side](long row, long col) { return 3 * (row * side + col) + 7; };
    const long filler = nodes + 2;
    std::fprintf(out, "zenta input file\n%ld %ld 1 1\n", nodes, elems);
    std::fprintf(out, "%5d %9.2e %9.2e %9.2e %9.2e %9.2e\n", 1, 3.0e7, 0.3, 1.0, 1.0, 1.0);
    long e = 0;
    for (long r = 0; r + 1 < side; ++r)
        for (long c = 0; c + 1 < side; ++c)
            std::fprintf(out, "%5ld %4d %5ld %5ld %5ld %5ld %5ld %5ld %5ld %5ld\n", ++e, 1,
                         id(r, c), filler, id(r, c + 1), filler, id(r + 1, c + 1), filler,
                         id(r + 1, c), filler);
    for (long n = nodes - 1; n >= 0; --n)
        std::fprintf(out, "%5ld %e %e\n", id(n / side, n % side), 0.5 * (n % side),
                     0.5 * (n / side));
    std::fprintf(out, "AFIXITY\n%ld\n", side);
    for (long r = 0; r < side; ++r) std::fprintf(out, "%ld %d 0.0\n", id(r, 0), 3);
    std::fprintf(out, "ALOADS\n%ld\n", side);
    for (long r = 0; r < side; ++r)
        std::fprintf(out, "%ld %d %g %g\n", id(r, side - 1), 1, 100.0, 0.0);
    std::fprintf(out, "ENDBC\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
