// An output file that replaces its target only when the whole output has been written. Every
// program of the suite writes its output through it, so that a run that stops early leaves no
// new file and an existing file unchanged.
#pragma once

#include <sys/types.h>

#include <fstream>
#include <ostream>
#include <string>

namespace zenta {

// Writes into a fresh temporary file in the target's folder and renames it over the target on
// Commit. An uncommitted temporary is removed by Discard or the destructor.
class ReplacingFile {
  public:
    ReplacingFile() = default;
    ~ReplacingFile() { Discard(); }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file for `name`. `mode` is the permission of a new file (less the
    // umask); a replaced file keeps its own. False when no file can be created there, or when
    // `name` is an existing file that may not be written or is no regular file. A symbolic
    // link is followed: its target is replaced and the link stays.
    bool Open(const std::string& name, mode_t mode = 0666);
    bool IsOpen() const { return !temp_.empty(); }
    std::ostream& Stream() { return stream_; }

    // Closes the temporary and renames it over the target. False, with the temporary removed
    // and the target untouched, when anything written could not be stored.
    bool Commit();
    // Closes and removes the temporary; the target stays as it was.
    void Discard();

  private:
    std::string target_;
    std::string temp_;  // empty when nothing is open
    std::ofstream stream_;
};

}  // namespace zenta
