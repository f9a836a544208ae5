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

int runArchiveProgram(const char* program, const std::vector<std::string>& args, size_t fileCount,
                      const char* usage, int (*run)(const std::vector<std::string>&)) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << usage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << zenta::VersionLine(program);
        return 0;
    }
    if (!args.empty() && args.size() != fileCount) {
        std::cerr << usage;
        return 1;
    }
    try {
        return run(args);
    } catch (const FatalError& stop) {
        std::cout << stop.what() << std::flush;
        return stop.status();
    }
}
