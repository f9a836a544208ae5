// The run of abazenta on given arguments and standard streams: choose the input, translate
// it, and write the legacy file on standard output or into the "-out" file.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace abazenta {

// Runs the whole program; `args` excludes the program name. Progress, warnings and the first
// scan's echo go to `diagnostics`; "--help" and "--version" answer on `standard_output`. Throws
// TranslationError (message and exit status) for every condition that ends the run before success;
// nothing is written to `standard_output` or to the "-out" file then. `input_descriptor` is the
// file descriptor behind `standard_input` when there is one (-1: none): a regular file there is
// mapped rather than read.
void run_program(const std::vector<std::string>& args, std::istream& standard_input,
                 std::ostream& standard_output, std::ostream& diagnostics,
                 int input_descriptor = -1);

}  // namespace abazenta
