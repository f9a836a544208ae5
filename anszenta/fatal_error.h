// The one error type of the archive programs: a condition that ends the run.
#pragma once

#include <stdexcept>
#include <string>

// Carries the exact text to print on standard output (possibly empty: a silent stop) and the
// exit status. Readers and conversions throw it; only the drivers print it and exit.
class FatalError : public std::runtime_error {
  public:
    explicit FatalError(const std::string& message, int status = 1)
        : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

  private:
    int status_;
};
