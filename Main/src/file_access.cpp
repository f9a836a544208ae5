// Input opening and file identity checks shared by the window and the batch mode.
#include "file_access.h"

#include <sys/stat.h>

namespace Zenta2D {

bool OpenInput(std::ifstream& in, const std::string& name) {
    // Only regular files: a directory reads as nothing, and opening a named pipe would wait
    // for a writer (the window would hang) and could not be rewound.
    struct stat info;
    if (name.empty() || stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    in.open(name, std::ios::in | std::ios::binary);
    return in.is_open();
}

bool SameFile(const std::string& first, const std::string& second) {
    if (first == second) return true;
    struct stat a, b;
    if (stat(first.c_str(), &a) != 0 || stat(second.c_str(), &b) != 0) return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace Zenta2D
