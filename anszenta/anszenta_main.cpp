// anszenta: translates an ANSYS archive (.cdb) into a legacy ZENTA2D(L) input file (.inp).
// Without arguments it asks for the two file names on the console; with two arguments it
// takes them from the command line. Every message goes to standard output.
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
    "Usage: anszenta [ARCHIVE OUTPUT]\n"
    "Translates an ANSYS archive (.cdb) into a legacy ZENTA2D(L) input file (.inp).\n"
    "Without arguments the two file names are asked for on the console.\n"
    "  --help      show this text\n"
    "  --version   show the program's name and version\n";

int run(const std::vector<std::string>& args) {
    FileNameSource names(args);
    std::ifstream cdbFile;
    openInput(cdbFile, names.next("Enter Ansys .cdb file name (include .cdb extension)"),
              "Unable to open cdb file.\n");
    zenta::ReplacingFile outFile;
    if (!outFile.Open(names.next("Enter file name for Zenta2D(L) (include *.inp extension)")))
        throw FatalError("Unable to open Zenta2D(L) file.\n");

    Data dat(std::cout);
    translateArchive(cdbFile, outFile.Stream(), dat);
    if (!outFile.Commit()) throw FatalError("Unable to write Zenta2D(L) file.\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return runArchiveProgram("anszenta", std::vector<std::string>(argv + 1, argv + argc), 2, kUsage,
                             run);
}
