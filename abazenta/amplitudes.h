// Amplitudes (*AMPLITUDE) and the times at which loads take their value from them.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "deck_reader.h"

namespace abazenta {

struct Amplitude {
    std::string name;         // as written
    bool tabular = true;      // DEFINITION=TABULAR (the default); others are not evaluated
    bool total_time = false;  // TIME=TOTAL TIME; otherwise the step's own time
    std::vector<std::pair<double, double>> points;  // (time, value) in the order given

    // Linear between its points and constant beyond them; 1 without any point.
    double value_at(double time) const;
};

class Amplitudes {
  public:
    // An *AMPLITUDE block: its name, definition, time and (time, value) pairs.
    void read(const Block& block);
    // The amplitude `name` (any case), or nullptr.
    const Amplitude* find(std::string_view name) const;

  private:
    std::unordered_map<std::string, Amplitude> by_name_;  // by upper-case name
};

// The time period of each step of a deck, to tell when a step ends: model data is step 0 and
// takes no time; a *STEP takes the second value of its *STATIC data line, 1.0 without one;
// the blocks between an *END STEP and the next *STEP are a step of their own that takes no
// time.
class StepTimes {
  public:
    // Begins a new step of `period`; returns its number.
    int begin_step(double period);
    // Sets the period of the last step begun (not of model data).
    void set_last_period(double period);
    // The time within the step, and the total time, at the end of `step`.
    double step_time(int step) const { return periods_[static_cast<std::size_t>(step)]; }
    double total_time(int step) const { return totals_[static_cast<std::size_t>(step)]; }

  private:
    std::vector<double> periods_{0.0};  // by step; model data takes no time
    std::vector<double> totals_{0.0};   // total time at the end of each step
};

}  // namespace abazenta
