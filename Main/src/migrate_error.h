// Failures of the converter: each carries the exact text shown to the user and the exit status.
#pragma once

#include <stdexcept>
#include <string>

#include "messages.h"

namespace Zenta2D {

// The one error type of the converter. The window shows what() in a message box; the batch
// driver prints it on standard error and returns status().
class MigrateError : public std::runtime_error {
  public:
    MigrateError(const std::string& message, int status)
        : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

  private:
    int status_;
};

// A legacy input file that cannot be translated: a bad counts line, a malformed or missing
// record, or a node reference that names no node of its layer.
class FormatError : public MigrateError {
  public:
    FormatError() : MigrateError(Text::kFormatError, 1) {}
};

}  // namespace Zenta2D
