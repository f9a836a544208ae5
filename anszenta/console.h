// The console dialogue of the archive programs: prompts for file names.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

// Writes `prompt`, a line end and ": ", then reads one whitespace-delimited word of any
// length. Returns nothing at the end of the input.
std::optional<std::string> askFileName(std::istream& in, std::ostream& out, const char* prompt);
