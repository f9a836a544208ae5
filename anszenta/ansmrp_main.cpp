// ansmrp: writes an MRP file (mesh, node coordinates, one stress per node) from an ANSYS
// archive (.cdb) and a nodal stress listing (.str). Without arguments it asks for the three
// file names on the console; with three arguments it takes them from the command line.
// Every message goes to standard output.
#include <iostream>
#include <string>
#include <vector>

#include "archive_pipeline.h"
#include "data.h"
#include "fatal_error.h"
#include "file_names.h"
#include "replacing_file.h"

namespace {

constexpr const char* kUsage =
    "Usage: ansmrp [ARCHIVE LISTING OUTPUT]\n"
    "Writes an MRP file from an ANSYS archive (.cdb) and its nodal stress listing (.str).\n"
    "Without arguments the three file names are asked for on the console.\n"
    "  --help      show this text\n"
    "  --version   show the program's name and version\n";

constexpr mode_t kMrpFileMode = 0664;

int run(const ArchiveArguments& args) {
    FileNameSource names(args.files);
    std::ifstream cdbFile, strFile;
    openInput(cdbFile, names.next("Enter Ansys .cdb file name (include .cdb extension)"),
              "Unable to open cdb file.\n");
    const std::string listingName =
        names.next("Enter Ansys .str file name (include .str extension)");
    openInput(strFile, listingName, "Unable to open str file.\n");
    zenta::ReplacingFile mrpFile;
    if (!mrpFile.Open(names.next("Enter file name for MRP (include *.mrp extension)"),
                      kMrpFileMode))
        throw FatalError("Unable to open MRP file.\n");

    Data dat(std::cout, kAnsmrpRules);
    translateForMapping(cdbFile, strFile, listingName, mrpFile.Stream(), dat);
    if (!mrpFile.Commit()) throw FatalError("Unable to write MRP file.\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return runArchiveProgram("ansmrp", std::vector<std::string>(argv + 1, argv + argc), 3, false,
                             kUsage, run);
}
