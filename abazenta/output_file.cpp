// Writing a file so that it is either complete or untouched: a temporary file in the same
// folder, renamed over the target at the end.
#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "error.h"
#include "messages.h"

namespace abazenta {

namespace {

// Creates an empty file beside `path` with a unique name and the permissions a new file would
// get; returns its name, or an empty string when no file can be made there.
std::string create_temporary_beside(const std::string& path) {
    std::vector<char> name(path.begin(), path.end());
    const std::string suffix = ".tmp-XXXXXX";
    name.insert(name.end(), suffix.begin(), suffix.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return "";
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    return name.data();
}

}  // namespace

void write_file_atomically(const std::string& path,
                           const std::function<void(std::ostream&)>& write) {
    const std::string temporary = create_temporary_beside(path);
    if (temporary.empty()) throw TranslationError(messages::not_written(path), 1);
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            write(out);
            out.flush();
            written = static_cast<bool>(out);
            out.close();
            written = written && !out.fail();
        }
    }
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw TranslationError(messages::not_written(path), 1);
    }
}

}  // namespace abazenta
