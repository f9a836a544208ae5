// Temporary-file output renamed over its target on success.
#include "replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace zenta {

namespace {

// The folder part of a path including its last slash, or "" for a bare name.
std::string FolderPrefix(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// mkstemp creates files readable by the owner only. The output keeps the permissions of the
// file it replaces, or gets those of a newly created file.
void SetPermissions(int fd, const struct stat* replaced, mode_t mode) {
    if (replaced != nullptr) {
        fchmod(fd, replaced->st_mode & 07777);
        return;
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, mode & ~mask);
}

// The file that the output really replaces: a symbolic link is followed, so the link stays and
// its target gets the new contents, as writing through the link would do.
std::string ResolvedTarget(const std::string& target) {
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error)) return target;
    const std::filesystem::path resolved = std::filesystem::canonical(target, error);
    return error ? target : resolved.string();
}

}  // namespace

bool ReplacingFile::Open(const std::string& name, mode_t mode) {
    Discard();
    if (name.empty() || name.back() == '/') return false;
    const std::string target = ResolvedTarget(name);
    // An existing file is replaced only where it could have been overwritten in place.
    struct stat existing;
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || access(target.c_str(), W_OK) != 0)) return false;
    // A short fixed name in the target's folder: the rename stays within one file system, and
    // a target name near the length limit still leaves room for the temporary's.
    const std::string pattern = FolderPrefix(target) + ".zenta-XXXXXX";
    std::vector<char> temp_name(pattern.begin(), pattern.end());
    temp_name.push_back('\0');
    const int fd = mkstemp(temp_name.data());
    if (fd < 0) return false;
    SetPermissions(fd, exists ? &existing : nullptr, mode);
    close(fd);
    temp_ = temp_name.data();
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

}  // namespace zenta
