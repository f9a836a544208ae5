// Console prompts for file names.
#include "console.h"

std::optional<std::string> askFileName(std::istream& in, std::ostream& out, const char* prompt) {
    out << prompt << std::endl << ": " << std::flush;
    std::string word;
    if (!(in >> word)) return std::nullopt;
    return word;
}
