// Opening the input file and telling whether two names denote one file.
#pragma once

#include <fstream>
#include <string>

namespace Zenta2D {

// Opens name for reading; false when it cannot be opened or is no regular file.
bool OpenInput(std::ifstream& in, const std::string& name);

// True when both names are the same text or lead to the same existing file (another path,
// a symbolic or a hard link).
bool SameFile(const std::string& first, const std::string& second);

}  // namespace Zenta2D
