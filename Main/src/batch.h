// The converter without a window: command line choice and the batch conversion.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace Zenta2D {

enum class RunMode {
    kWindow,   // no arguments, or only options for the toolkit
    kBatch,    // IN OUT
    kHelp,     // --help or -h
    kVersion,  // --version
    kUsage,    // anything else: wrong use, print the usage and fail
};

// Chooses what to do from the arguments after the program name.
RunMode ChooseRunMode(const std::vector<std::string>& args);

extern const char* const kUsageText;

// Converts the file in_name into out_name through a temporary file. Throws MigrateError with
// the text to show when the input cannot be opened, both names denote one file, the input is
// malformed or the output cannot be written; the target is then left as it was.
void ConvertFileNames(const std::string& in_name, const std::string& out_name);

// The batch run: "Conversion completed" on out and status 0, or the failure's text on err and
// its status.
int RunBatch(const std::string& in_name, const std::string& out_name, std::ostream& out,
             std::ostream& err);

}  // namespace Zenta2D
