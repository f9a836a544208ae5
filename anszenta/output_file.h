// An output file that appears only when the run succeeds: the text goes to a temporary file in
// the target's folder, which is renamed over the target at the end. A run that stops before
// leaves no new file and an existing target unchanged.
#pragma once

#include <sys/types.h>

#include <fstream>
#include <string>

class PendingOutputFile {
  public:
    // Checks that `target` can be written and creates the temporary file. `mode` is the
    // permission of a new file (before the umask); an existing target keeps its own. Returns
    // false when the target cannot be written.
    bool open(const std::string& target, mode_t mode = 0666);

    std::ostream& stream() { return stream_; }

    // Closes the temporary file and renames it over the target. Returns false (and removes
    // the temporary file) when writing or renaming failed.
    bool commit();

    ~PendingOutputFile();

  private:
    std::string target_;
    std::string temporary_;
    std::ofstream stream_;
};
