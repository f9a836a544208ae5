// Writing a file so that it is either complete or untouched: a temporary file in the same
// folder, renamed over the target at the end.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace abazenta {

// Calls `write` with a stream on a new temporary file beside `path` and renames it to `path`
// when everything was written. Throws TranslationError "%s could not be written\n" otherwise,
// leaving no temporary file and any existing `path` as it was.
void write_file_atomically(const std::string& path,
                           const std::function<void(std::ostream&)>& write);

}  // namespace abazenta
