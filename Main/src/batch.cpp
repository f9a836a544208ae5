// Batch conversion for scripts and machines without a display.
#include "batch.h"

#include <cstdio>
#include <exception>
#include <fstream>

#include "convert.h"
#include "file_access.h"
#include "messages.h"
#include "migrate_error.h"
#include "replacing_file.h"

namespace Zenta2D {

const char* const kUsageText =
    "Usage: inpmigrate            open the converter window\n"
    "       inpmigrate IN OUT     convert the legacy input file IN into the current\n"
    "                             input file OUT, without a window\n"
    "       inpmigrate --help     show this text\n"
    "       inpmigrate --version  show the program's name and version\n";

namespace {

std::string WithName(const char* format, const std::string& name) {
    const int size = std::snprintf(nullptr, 0, format, name.c_str());
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(&text[0], text.size(), format, name.c_str());
    text.resize(static_cast<std::size_t>(size));
    return text;
}

bool IsOption(const std::string& arg) {
    return !arg.empty() && arg[0] == '-';
}

}  // namespace

RunMode ChooseRunMode(const std::vector<std::string>& args) {
    if (args.empty()) return RunMode::kWindow;
    if (args[0] == "--help" || args[0] == "-h") return RunMode::kHelp;
    if (args[0] == "--version") return RunMode::kVersion;
    if (args.size() == 2 && !IsOption(args[0]) && !IsOption(args[1])) return RunMode::kBatch;
    // Options for the toolkit (such as -display NAME) open the window as usual.
    if (IsOption(args[0])) return RunMode::kWindow;
    return RunMode::kUsage;
}

void ConvertFileNames(const std::string& in_name, const std::string& out_name) {
    std::ifstream in;
    if (!OpenInput(in, in_name)) throw MigrateError(WithName(Text::kOpenError, in_name), 1);
    if (SameFile(in_name, out_name)) throw MigrateError(Text::kSameFiles, 1);
    zenta::ReplacingFile out;
    if (!out.Open(out_name)) throw MigrateError(WithName(Text::kWriteError, out_name), 1);
    try {
        ConvertFiles(in, out.Stream());
    } catch (const MigrateError&) {
        throw;
    } catch (const std::exception&) {
        // The window reports every failure of the conversion as a format error; so does this.
        throw FormatError();
    }
    if (!out.Commit()) throw MigrateError(WithName(Text::kWriteError, out_name), 1);
}

int RunBatch(const std::string& in_name, const std::string& out_name, std::ostream& out,
             std::ostream& err) {
    try {
        ConvertFileNames(in_name, out_name);
    } catch (const MigrateError& e) {
        err << e.what() << '\n';
        return e.status();
    }
    out << Text::kCompleted << '\n';
    return 0;
}

}  // namespace Zenta2D
