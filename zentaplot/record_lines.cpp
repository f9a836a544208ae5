// Line walking and number conversion for the input readers.
#include "record_lines.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "messages.h"
#include "plot_error.h"

namespace zentaplot {

namespace {

constexpr double kLargestReal = 1e30;

}  // namespace

RecordLines::RecordLines(std::istream& in, std::string file_name)
    : lines_(in, ZTools::FileIterator::SIGNIFICANT_BLANK_LINES), file_name_(std::move(file_name)) {}

bool RecordLines::First() {
    lines_.First();
    line_number_ = 1;
    return lines_.More();
}

bool RecordLines::Next() {
    lines_.Next();
    ++line_number_;
    return lines_.More();
}

int RecordLines::Int(int i) {
    const char* text = Field(i);
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text) return 0;  // no leading number
    if (errno == ERANGE || value > INT_MAX || value < -INT_MAX)
        Fail(Text::Format(Text::kNumberOutOfRange, text));
    return static_cast<int>(value);
}

double RecordLines::Real(int i) {
    const char* text = Field(i);
    const double value = std::atof(text);
    if (!std::isfinite(value) || std::fabs(value) > kLargestReal)
        Fail(Text::Format(Text::kNumberOutOfRange, text));
    return value;
}

void RecordLines::Fail(const std::string& what) const {
    throw PlotError(
        Text::Format(Text::kFileLineError, file_name_.c_str(), line_number_, what.c_str()));
}

}  // namespace zentaplot
