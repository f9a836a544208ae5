// Amplitudes and the times at which loads take their value from them.
#include "amplitudes.h"

#include "fields.h"

namespace abazenta {

namespace {

// Parameter values compared without blanks and case: "TOTAL TIME".
std::string squeezed(std::string_view text) {
    std::string result;
    for (char c : upper_case(text))
        if (!is_field_separator(c)) result.push_back(c);
    return result;
}

}  // namespace

double Amplitude::value_at(double time) const {
    if (points.empty()) return 1.0;
    if (time <= points.front().first) return points.front().second;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto [t0, v0] = points[i - 1];
        const auto [t1, v1] = points[i];
        if (time > t1) continue;
        if (t1 <= t0) return v1;
        return v0 + (v1 - v0) * (time - t0) / (t1 - t0);
    }
    return points.back().second;
}

void Amplitudes::read(const Block& block) {
    const std::string* name = block.parameter("NAME");
    if (name == nullptr) return;  // an amplitude without a name cannot be referred to
    Amplitude amplitude;
    amplitude.name = *name;
    const std::string* definition = block.parameter("DEFINITION");
    amplitude.tabular = definition == nullptr || squeezed(*definition) == "TABULAR";
    const std::string* time = block.parameter("TIME");
    amplitude.total_time = time != nullptr && squeezed(*time) == "TOTALTIME";
    std::vector<double> values;
    Fields fields;
    std::string_view line;
    for (DataLines lines(block); lines.next(line);) {
        fields.split(line);
        for (std::size_t f = 0; f < fields.size(); ++f)
            if (!fields[f].empty()) values.push_back(parse_real(fields[f]));
    }
    for (std::size_t i = 0; i + 1 < values.size(); i += 2)
        amplitude.points.emplace_back(values[i], values[i + 1]);
    by_name_[upper_case(*name)] = std::move(amplitude);
}

const Amplitude* Amplitudes::find(std::string_view name) const {
    const auto found = by_name_.find(upper_case(name));
    return found == by_name_.end() ? nullptr : &found->second;
}

int StepTimes::begin_step(double period) {
    periods_.push_back(period);
    totals_.push_back(totals_.back() + period);
    return static_cast<int>(periods_.size()) - 1;
}

void StepTimes::set_last_period(double period) {
    if (periods_.size() < 2) return;  // model data takes no time
    periods_.back() = period;
    totals_.back() = totals_[totals_.size() - 2] + period;
}

}  // namespace abazenta
