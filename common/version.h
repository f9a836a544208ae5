// The answer of every program of the suite to --version.
#pragma once

#include <string>

namespace zenta {

// "NAME VERSION\n": the program's name and the suite's version, as set in the build.
std::string VersionLine(const std::string& program);

}  // namespace zenta
