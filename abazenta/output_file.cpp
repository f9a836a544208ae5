// The "-out" file, written through the suite's replacing file so that it is either complete or
// untouched.
#include "output_file.h"

#include "error.h"
#include "messages.h"
#include "replacing_file.h"

namespace abazenta {

void write_file_atomically(const std::string& path,
                           const std::function<void(std::ostream&)>& write) {
    zenta::ReplacingFile file;
    if (!file.Open(path)) throw TranslationError(messages::not_written(path), 1);
    write(file.Stream());
    if (!file.Commit()) throw TranslationError(messages::not_written(path), 1);
}

}  // namespace abazenta
