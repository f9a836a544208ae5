// Runs a program as a child process with given standard input and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace zenta_test {

struct RunResult {
    int status = -1;  // exit status; 128 + signal number when the child was killed
    std::string out;  // everything written to standard output
    std::string err;  // everything written to standard error
};

// Runs `program` with `args`, feeding `input` on standard input (then end of input).
// `workdir`, when not empty, is the child's working directory.
RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input, const std::string& workdir = "");

}  // namespace zenta_test
