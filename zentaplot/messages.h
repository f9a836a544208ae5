// zentaplot's own texts: usage, error messages and the words of the caption.
#pragma once

#include <string>

namespace zentaplot::Text {

extern const char* const kUsage;

// Errors; main prints each on one line of standard error.
constexpr const char* kFileLineError = "%s: line %d: %s";  // file, line, what
constexpr const char* kCannotRead = "%s: cannot be read";
constexpr const char* kCannotWrite = "%s: cannot be written";
constexpr const char* kCannotDraw = "%s: cannot be drawn (%s)";  // picture, cairo's reason
constexpr const char* kUnknownOption = "zentaplot: unknown option %s";
constexpr const char* kBadWidth = "zentaplot: --width takes a whole number from %d to %d";
constexpr const char* kBadExtension = "zentaplot: the picture must end in .png or .svg: %s";
constexpr const char* kWrongArguments = "zentaplot: a model file and a picture file expected";
constexpr const char* kSameFile = "zentaplot: the picture would replace the model: %s";
constexpr const char* kOutOfMemory = "zentaplot: not enough memory for this model";

// What is wrong with a line; filled into kFileLineError.
constexpr const char* kEmptyFile = "the file is empty";
constexpr const char* kFileEnds = "the file ends; %s %d of %d expected";
constexpr const char* kFileEndsBefore = "the file ends; %s expected";
constexpr const char* kTooFewFields = "%s with %d fields; at least %d expected";
constexpr const char* kCountsFields =
    "counts line with %d fields; 4 (single model) or 3 (layered) expected";
constexpr const char* kElementFields =
    "element line with %d fields; a number, a material and 6 or 8 node slots expected";
constexpr const char* kNegativeCount = "negative count %d";
constexpr const char* kNumberOutOfRange = "number out of range: %s";

// printf into a string.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace zentaplot::Text
