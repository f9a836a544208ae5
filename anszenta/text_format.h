// printf-style formatting into std::string, for the fixed-column output formats.
#pragma once

#include <string>

std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
