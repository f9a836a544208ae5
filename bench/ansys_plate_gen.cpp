// Generator of large ANSYS models for the benchmarks: a square plate of N x N elements in the
// release 5.6 block forms, with fixities on the left edge and X and Y loads on the right edge.
//   ansys_plate_gen N ARCHIVE                 eight-node quadrilaterals (type 82)
//   ansys_plate_gen N ARCHIVE LISTING         four-node quadrilaterals (type 42) and a nodal
//                                             stress listing of every node, in pages
//   ansys_plate_gen -loads N ARCHIVE [LISTING]   the same with a density, a pressure on every
//                                             face of the top edge (an SFEBLOCK) and gravity
//                                             (a nonzero ACEL), which anszenta -full translates
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Plate {
    int n;           // elements per side
    bool eightNode;  // midside nodes on every edge
    bool loads;      // density, pressure on the top edge, gravity
    // Nodes lie on a (2n+1) grid for eight-node elements (no centre nodes), (n+1) otherwise.
    int side() const { return eightNode ? 2 * n + 1 : n + 1; }
    bool exists(int i, int j) const { return !eightNode || i % 2 == 0 || j % 2 == 0; }
};

// ANSYS numbers of the grid points, 0 where no node exists.
std::vector<int> numberNodes(const Plate& p) {
    int s = p.side();
    std::vector<int> id(static_cast<size_t>(s) * s, 0);
    int next = 1;
    for (int j = 0; j < s; ++j)
        for (int i = 0; i < s; ++i)
            if (p.exists(i, j)) id[static_cast<size_t>(j) * s + i] = next++;
    return id;
}

// A pressure of 1000 on face 3 (L-K) of every element of the top row, and gravity.
void writeDistributedLoads(const Plate& p, FILE* out) {
    std::fprintf(out, "SFEBLOCK,4,PRES,         1,%10d,0\n(i9,i4,i4,6(pg20.9))\n", p.n);
    long first = static_cast<long>(p.n) * (p.n - 1) + 1;
    for (long eid = first; eid < first + p.n; ++eid)
        std::fprintf(out, "%9ld%4d%4d%20.9G%20.9G%20.9G%20.9G\n", eid, 3, 1, 1000.0, 1000.0, 1000.0,
                     1000.0);
    std::fprintf(out, "SFE,end,LOC,       -1,\n");
    std::fprintf(out, "ACEL,  0.00000000    ,  9.81000000    ,  0.00000000    \n");
}

void writeArchive(const Plate& p, const std::vector<int>& id, FILE* out) {
    int s = p.side();
    int nodeCount = 0;
    for (int v : id) nodeCount += v != 0;
    long elements = static_cast<long>(p.n) * p.n;
    std::fprintf(out, "/COM,ANSYS RELEASE  5.6    UP19991004       10:00:00    01/01/2000\n");
    std::fprintf(out, "/PREP7\nNUMOFF,NODE,%8d\nNUMOFF,ELEM,%8ld\nNUMOFF,MAT,       1\n", nodeCount,
                 elements);
    std::fprintf(out, "ET,       1,%d\nKEYOP,       1,3,     0\n", p.eightNode ? 82 : 42);
    std::fprintf(out, "NBLOCK,6,SOLID\n(3i8,6e16.9)\n");
    double h = 1.0 / (s - 1);
    for (int j = 0; j < s; ++j)
        for (int i = 0; i < s; ++i)
            if (id[static_cast<size_t>(j) * s + i])
                std::fprintf(out, "%8d%8d%8d%16.9E%16.9E%16.9E\n",
                             id[static_cast<size_t>(j) * s + i], 0, 0, i * h, j * h, 0.0);
    std::fprintf(out, "N,R5.3,LOC,      -1,\nEBLOCK,19,SOLID\n(19i8)\n");
    auto at = [&](int i, int j) { return id[static_cast<size_t>(j) * s + i]; };
    long eid = 1;
    int step = p.eightNode ? 2 : 1;
    for (int ej = 0; ej < p.n; ++ej) {
        for (int ei = 0; ei < p.n; ++ei, ++eid) {
            int i = ei * step, j = ej * step;
            std::fprintf(out, "%8d%8d%8d%8d%8d%8d%8d%8d%8d%8d%8ld", 1, 1, 1, 1, 0, 0, 0, 0,
                         p.eightNode ? 8 : 4, 0, eid);
            if (p.eightNode)
                std::fprintf(out, "%8d%8d%8d%8d%8d%8d%8d%8d\n", at(i, j), at(i + 2, j),
                             at(i + 2, j + 2), at(i, j + 2), at(i + 1, j), at(i + 2, j + 1),
                             at(i + 1, j + 2), at(i, j + 1));
            else
                std::fprintf(out, "%8d%8d%8d%8d\n", at(i, j), at(i + 1, j), at(i + 1, j + 1),
                             at(i, j + 1));
        }
    }
    std::fprintf(out, "      -1\n");
    std::fprintf(out, "MPDATA,R5.0, 1,EX  ,       1,  1,  2.00000000E+11    ,\n");
    std::fprintf(out, "MPDATA,R5.0, 1,NUXY,       1,  1,  3.00000000E-01    ,\n");
    if (p.loads) std::fprintf(out, "MPDATA,R5.0, 1,DENS,       1,  1,  7.85000000E+03    ,\n");
    for (int j = 0; j < s; ++j) {
        if (!at(0, j)) continue;
        std::fprintf(out, "D,%6d,UX  ,  0.00000000E+00    ,  0.00000000E+00    \n", at(0, j));
        if (j == 0)
            std::fprintf(out, "D,%6d,UY  ,  0.00000000E+00    ,  0.00000000E+00    \n", at(0, j));
    }
    for (int j = 0; j < s; ++j) {
        if (!at(s - 1, j)) continue;
        std::fprintf(out, "F,%6d,FX  ,  1.00000000E+02    ,  0.00000000E+00    \n", at(s - 1, j));
        std::fprintf(out, "F,%6d,FY  , -2.50000000E+01    ,  0.00000000E+00    \n", at(s - 1, j));
    }
    if (p.loads) writeDistributedLoads(p, out);
    std::fprintf(out, "/GO\nFINISH\n");
}

// A listing of every node, 50 rows a page, each page under its own heading.
void writeListing(int nodeCount, FILE* out) {
    std::fprintf(out, " PRINT S    NODAL SOLUTION PER NODE\n");
    for (int node = 1; node <= nodeCount; ++node) {
        if ((node - 1) % 50 == 0)
            std::fprintf(
                out,
                "\n1\n ***** POST1 NODAL STRESS LISTING *****\n\n"
                "    NODE     SX          SY          SZ          SXY         SYZ         SXZ\n");
        double sz = (node % 997) * 1.25 - 600.0;
        std::fprintf(out,
                     "%8d  0.1000E+03 -0.2000E+02 %11.4E  0.5000E+01  0.0000      0.0000    \n",
                     node, sz);
    }
    std::fprintf(out, "\n MINIMUM VALUES\n NODE           1           1           1\n");
}

}  // namespace

int main(int argc, char** argv) {
    bool loads = argc > 1 && std::string(argv[1]) == "-loads";
    if (loads) {
        --argc;
        ++argv;
    }
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: ansys_plate_gen [-loads] N ARCHIVE [LISTING]\n");
        return 1;
    }
    Plate plate{std::atoi(argv[1]), argc == 3, loads};
    if (plate.n < 1) return 1;
    std::vector<int> id = numberNodes(plate);
    FILE* archive = std::fopen(argv[2], "w");
    if (!archive) return 1;
    writeArchive(plate, id, archive);
    std::fclose(archive);
    if (argc == 4) {
        FILE* listing = std::fopen(argv[3], "w");
        if (!listing) return 1;
        writeListing((plate.n + 1) * (plate.n + 1), listing);
        std::fclose(listing);
    }
    return 0;
}
