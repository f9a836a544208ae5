// The command line of abazenta: "-h", "-in FILE", "-out FILE", "-full", "-nogap", "--help"
// and "--version".
#pragma once

#include <string>
#include <vector>

namespace abazenta {

struct Options {
    std::string in_file_name;   // empty: read standard input
    std::string out_file_name;  // empty: write standard output
    bool full = false;          // translate materials, prescribed displacements, problem type
    bool no_gap = false;        // accepted; nothing depends on it
    bool help = false;          // "--help": print the help on standard output, translate nothing
    bool version = false;       // "--version": print the version line, translate nothing
};

// Examines the arguments (program name excluded) one at a time from the first. The word after
// "-in" or "-out" is its value and is then examined as an argument of its own; a later value
// replaces an earlier one; other words are ignored. Throws TranslationError with the usage
// block for "-h" and for "-in" or "-out" as the last argument. "--help" and "--version" end
// the examination where they stand, as "-h" does.
Options parse_arguments(const std::vector<std::string>& args);

}  // namespace abazenta
