// Temporary-file output renamed over its target on success.
#include "replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace Zenta2D {

namespace {

// The directory part of a path including its last slash, or "" for a bare name.
std::string DirectoryPrefix(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// mkstemp creates files readable by the owner only; give the result the permissions a newly
// created file would get, so the renamed output looks like any file the user writes.
void SetUsualPermissions(int fd) {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

}  // namespace

bool ReplacingFile::Open(const std::string& target) {
    Discard();
    if (target.empty() || target.back() == '/') return false;
    std::string pattern = DirectoryPrefix(target) + ".inpmigrate-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return false;
    SetUsualPermissions(fd);
    close(fd);
    temp_ = name.data();
    stream_.clear();
    stream_.open(temp_, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!stream_.is_open()) {
        std::remove(temp_.c_str());
        temp_.clear();
        return false;
    }
    target_ = target;
    return true;
}

bool ReplacingFile::Commit() {
    if (!IsOpen()) return false;
    stream_.close();
    const bool written = !stream_.fail();
    if (!written || std::rename(temp_.c_str(), target_.c_str()) != 0) {
        std::remove(temp_.c_str());
        temp_.clear();
        return false;
    }
    temp_.clear();
    return true;
}

void ReplacingFile::Discard() {
    if (!IsOpen()) return;
    stream_.close();
    stream_.clear();
    std::remove(temp_.c_str());
    temp_.clear();
}

}  // namespace Zenta2D
