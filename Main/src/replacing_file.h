// An output file that replaces its target only when the whole output has been written.
#pragma once

#include <fstream>
#include <ostream>
#include <string>

namespace Zenta2D {

// Writes into a fresh temporary file in the target's directory and renames it over the target
// on Commit. Until then the target is untouched: a failed run leaves no new file and an
// existing file unchanged. An uncommitted temporary is removed by Discard or the destructor.
class ReplacingFile {
  public:
    ReplacingFile() = default;
    ~ReplacingFile() { Discard(); }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file for the file name; false when it cannot be created, or when
    // name is an existing file that may not be written or no regular file. A symbolic link is
    // followed: its target is replaced and the link stays.
    bool Open(const std::string& name);
    bool IsOpen() const { return !temp_.empty(); }
    std::ostream& Stream() { return stream_; }
    // The file replaced on Commit (name with a symbolic link resolved).
    const std::string& Target() const { return target_; }

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

}  // namespace Zenta2D
