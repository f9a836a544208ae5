// anszenta: translates an ANSYS archive (.cdb) into a legacy ZENTA2D(L) input file (.inp).
// Without arguments it asks for the two file names on the console; with two arguments it
// takes them from the command line. Every message goes to standard output.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "archive_pipeline.h"
#include "console.h"
#include "data.h"
#include "fatal_error.h"
#include "output_file.h"

namespace {

constexpr const char* kUsage =
    "Usage: anszenta [ARCHIVE OUTPUT]\n"
    "Translates an ANSYS archive (.cdb) into a legacy ZENTA2D(L) input file (.inp).\n"
    "Without arguments the two file names are asked for on the console.\n";

// Where the two file names come from: the command line, or prompts on the console.
class NameSource {
  public:
    explicit NameSource(const std::vector<std::string>& args) : args_(args) {}

    std::string next(const char* prompt) {
        if (!args_.empty()) return args_[used_++];
        std::optional<std::string> name = askFileName(std::cin, std::cout, prompt);
        if (!name) throw FatalError("");  // end of input: stop without a message
        return *name;
    }

  private:
    std::vector<std::string> args_;
    size_t used_ = 0;
};

void openArchive(std::ifstream& cdbFile, const std::string& name) {
    std::error_code error;
    if (!std::filesystem::is_directory(name, error))
        cdbFile.open(name, std::ios::in | std::ios::binary);
    if (!cdbFile.is_open()) throw FatalError("Unable to open cdb file.\n");
}

int run(const std::vector<std::string>& args) {
    NameSource names(args);
    std::ifstream cdbFile;
    openArchive(cdbFile, names.next("Enter Ansys .cdb file name (include .cdb extension)"));

    PendingOutputFile outFile;
    if (!outFile.open(names.next("Enter file name for Zenta2D(L) (include *.inp extension)")))
        throw FatalError("Unable to open Zenta2D(L) file.\n");

    Data dat(std::cout);
    translateArchive(cdbFile, outFile.stream(), dat);
    cdbFile.close();
    if (!outFile.commit()) throw FatalError("Unable to write Zenta2D(L) file.\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (!args.empty() && args.size() != 2) {
        std::cerr << kUsage;
        return 1;
    }
    try {
        return run(args);
    } catch (const FatalError& stop) {
        std::cout << stop.what() << std::flush;
        return stop.status();
    }
}
