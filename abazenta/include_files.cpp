// Included files from the file system.
#include "include_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace abazenta {

namespace fs = std::filesystem;

bool load_included_file(const std::string& name, const std::string& folder, IncludedFile& file) {
    if (name.empty()) return false;
    const fs::path path = folder.empty() ? fs::path(name) : fs::path(folder) / name;
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    file.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    file.folder = path.parent_path().string();
    file.identity = identity_of(path.string());
    return true;
}

std::string folder_of(const std::string& path) {
    return fs::path(path).parent_path().string();
}

std::string identity_of(const std::string& path) {
    std::error_code error;
    const fs::path canonical = fs::canonical(path, error);
    return error ? std::string() : canonical.string();
}

}  // namespace abazenta
