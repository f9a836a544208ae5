// The one error type of zentaplot: the exact one-line message that main prints on standard
// error before it ends with status 1, and whether the usage follows it.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace zentaplot {

// Raised by every unit that meets a condition which ends the run (arguments that cannot be
// taken, a file that cannot be read or is malformed, a picture that cannot be written); main
// alone prints what().
class PlotError : public std::runtime_error {
  public:
    enum Usage { kNoUsage, kShowUsage };
    explicit PlotError(std::string message, Usage usage = kNoUsage)
        : std::runtime_error(std::move(message)), usage_(usage) {}
    bool ShowsUsage() const { return usage_ == kShowUsage; }

  private:
    Usage usage_;
};

}  // namespace zentaplot
