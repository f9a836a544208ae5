// The one error type of the translator: the exact text for standard error and the exit status.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace abazenta {

// Thrown by any unit that meets a condition which ends the run; `main` alone prints what()
// on standard error and returns status().
class TranslationError : public std::runtime_error {
  public:
    TranslationError(std::string message, int status)
        : std::runtime_error(std::move(message)), status_(status) {}
    int status() const { return status_; }

  private:
    int status_;
};

}  // namespace abazenta
