// Writes a large ABAQUS input file on standard output for the abazenta benchmark:
//   abazenta_bench_gen [NODES [ELEMENTS [LOADS]]]
// A grid of eight-node quadrilaterals sharing corner and midside nodes, fixed along its bottom
// edge, with concentrated loads spread over the top rows (several on each node, so that the
// load merge has work to do).
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long nodes = argc > 1 ? std::atol(argv[1]) : 200000;
    const long elements = argc > 2 ? std::atol(argv[2]) : 200000;
    const long loads = argc > 3 ? std::atol(argv[3]) : 100000;

    if (nodes < 3 * 1000 || elements < 1 || loads < 0) {
        std::fprintf(stderr, "usage: abazenta_bench_gen [NODES>=3000 [ELEMENTS>=1 [LOADS]]]\n");
        return 1;
    }
    std::printf("*HEADING\nbenchmark model\n*NODE, NSET=ALL\n");
    const long row = 1000;  // nodes per grid row
    for (long n = 1; n <= nodes; ++n)
        std::printf("%ld, %.6f, %.6f\n", n, 0.5 * ((n - 1) % row), 0.5 * ((n - 1) / row));
    std::printf("*ELEMENT, TYPE=CPS8, ELSET=SET1\n");
    // Element e spans two grid rows and three grid columns from its base node; bases walk the
    // grid and wrap around, so elements overlap, but every reference names a defined node.
    const long span = nodes - 2 * row - 2;  // bases whose element stays within the grid
    for (long e = 1; e <= elements; ++e) {
        const long base = (e - 1) % span + 1;
        std::printf("%ld, %ld, %ld, %ld, %ld, %ld, %ld, %ld, %ld\n", e, base, base + 2,
                    base + 2 * row + 2, base + 2 * row, base + 1, base + row + 2,
                    base + 2 * row + 1, base + row);
    }
    std::printf("*STEP\n*STATIC\n*BOUNDARY\n");
    for (long n = 1; n <= row; ++n) std::printf("%ld, 1, 0.\n%ld, 2, 0.\n", n, n);
    std::printf("*CLOAD\n");
    for (long l = 0; l < loads; ++l)
        std::printf("%ld, %d, %.3f\n", nodes - (l % (nodes / 4)), 1 + static_cast<int>(l % 2),
                    1.0 + static_cast<double>(l % 7));
    std::printf("*END STEP\n");
    return 0;
}
