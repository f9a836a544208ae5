// Output files written through a temporary file and renamed on success.
#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Creates a new file beside `target` with a name no other file has; returns its name or "".
std::string createTemporaryBeside(const std::string& target, mode_t mode) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name =
            target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) break;
    }
    return "";
}

}  // namespace

bool PendingOutputFile::open(const std::string& target, mode_t mode) {
    std::error_code error;
    target_ = target;
    // Write through a symbolic link to the file it names, as truncating the target would.
    if (fs::is_symlink(target_, error) && fs::exists(target_, error))
        target_ = fs::canonical(target_, error).string();

    struct stat existing;
    bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target_.c_str(), W_OK) != 0))
        return false;

    temporary_ = createTemporaryBeside(target_, mode);
    if (temporary_.empty()) return false;
    if (exists) ::chmod(temporary_.c_str(), existing.st_mode & 07777);
    stream_.open(temporary_, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!stream_) {
        std::remove(temporary_.c_str());
        temporary_.clear();
        return false;
    }
    return true;
}

bool PendingOutputFile::commit() {
    if (temporary_.empty()) return false;
    stream_.flush();
    stream_.close();
    bool written = !stream_.fail() && std::rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!written) std::remove(temporary_.c_str());
    temporary_.clear();
    return written;
}

PendingOutputFile::~PendingOutputFile() {
    if (temporary_.empty()) return;
    stream_.close();
    std::remove(temporary_.c_str());
}
