// The suite's version comes from the build's generated header, which only this unit includes,
// so that a new version recompiles one file.
#include "version.h"

#include "zenta_version.h"

namespace zenta {

std::string VersionLine(const std::string& program) {
    return program + " " + kSuiteVersion + "\n";
}

}  // namespace zenta
