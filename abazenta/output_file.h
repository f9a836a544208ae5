// Writing the "-out" file so that it is either complete or untouched.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace abazenta {

// Calls `write` with a stream on a new temporary file beside `path` and renames it to `path`
// when everything was written. Throws TranslationError "%s could not be written\n" otherwise,
// leaving no temporary file and any existing `path` as it was. A replaced file keeps its
// permissions and a symbolic link its place, as writing in place would leave them.
void write_file_atomically(const std::string& path,
                           const std::function<void(std::ostream&)>& write);

}  // namespace abazenta
