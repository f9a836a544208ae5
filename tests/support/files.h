// File helpers for tests: scratch folders, whole-file reads and writes.
#pragma once

#include <string>
#include <vector>

namespace zenta_test {

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Names of the entries of the folder, sorted.
    std::vector<std::string> entries() const;

  private:
    std::string path_;
};

std::string readFile(const std::string& path);  // whole file as bytes; throws when unreadable
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

}  // namespace zenta_test
