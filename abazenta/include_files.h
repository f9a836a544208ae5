// Included files from the file system, for *INCLUDE lines of a deck read from a file or from
// standard input.
#pragma once

#include <string>

#include "deck_reader.h"

namespace abazenta {

// Reads `name` (relative names from `folder`, or from the current folder when it is empty).
// The folder of the file found is where its own includes are looked for; its identity is its
// canonical path.
bool load_included_file(const std::string& name, const std::string& folder, IncludedFile& file);

// The folder of a file named on the command line, for the names that it includes.
std::string folder_of(const std::string& path);

// The canonical path of an existing file; empty when it has none.
std::string identity_of(const std::string& path);

}  // namespace abazenta
