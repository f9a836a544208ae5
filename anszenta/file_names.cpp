// Driver helpers of the archive programs.
#include "file_names.h"

#include <filesystem>
#include <iostream>
#include <optional>

#include "console.h"
#include "fatal_error.h"
#include "version.h"

std::string FileNameSource::next(const char* prompt) {
    if (used_ < args_.size()) return args_[used_++];
    std::optional<std::string> name = askFileName(std::cin, std::cout, prompt);
    if (!name) throw FatalError("");
    return *name;
}

void openInput(std::ifstream& file, const std::string& name, const char* failure) {
    std::error_code error;
    if (!std::filesystem::is_directory(name, error))
        file.open(name, std::ios::in | std::ios::binary);
    if (!file.is_open()) throw FatalError(failure);
}

namespace {

// Reads the command line; false when it is not one the program takes.
bool parseArguments(const std::vector<std::string>& args, size_t fileCount, bool takesFull,
                    ArchiveArguments& parsed) {
    auto word = args.begin();
    if (takesFull && word != args.end() && *word == "-full") {
        parsed.full = true;
        ++word;
    }
    parsed.files.assign(word, args.end());
    if (takesFull)
        for (const std::string& name : parsed.files)
            if (!name.empty() && name[0] == '-') return false;
    return parsed.files.empty() || parsed.files.size() == fileCount;
}

}  // namespace

int runArchiveProgram(const char* program, const std::vector<std::string>& args, size_t fileCount,
                      bool takesFull, const char* usage, int (*run)(const ArchiveArguments&)) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << usage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << zenta::VersionLine(program);
        return 0;
    }
    ArchiveArguments parsed;
    if (!parseArguments(args, fileCount, takesFull, parsed)) {
        std::cerr << usage;
        return 1;
    }
    try {
        return run(parsed);
    } catch (const FatalError& stop) {
        std::cout << stop.what() << std::flush;
        return stop.status();
    }
}
