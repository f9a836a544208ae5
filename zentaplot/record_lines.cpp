// Line walking and number conversion for the input readers.
#include "record_lines.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <system_error>
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

// strtoll's reading of the text: white space, an optional sign and decimal digits; 0 without a
// digit. Magnitudes beyond INT_MAX are rejected, so that -INT_MAX to INT_MAX remain.
int RecordLines::Int(int i) {
    const char* text = Field(i);
    const char* p = text;
    while (!(*p >= '0' && *p <= '9') && std::isspace(static_cast<unsigned char>(*p))) ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    unsigned long long magnitude = 0;
    const std::from_chars_result digits = std::from_chars(p, p + std::strlen(p), magnitude);
    if (digits.ec == std::errc::invalid_argument) return 0;  // no leading number
    if (digits.ec != std::errc() || magnitude > static_cast<unsigned long long>(INT_MAX))
        Fail(Text::Format(Text::kNumberOutOfRange, text));
    const int value = static_cast<int>(magnitude);
    return negative ? -value : value;
}

double RecordLines::Real(int i) {
    const char* text = Field(i);
    const double value = lines_[i].AsFloat();  // atof
    if (!std::isfinite(value) || std::fabs(value) > kLargestReal)
        Fail(Text::Format(Text::kNumberOutOfRange, text));
    return value;
}

void RecordLines::Fail(const std::string& what) const {
    throw PlotError(
        Text::Format(Text::kFileLineError, file_name_.c_str(), line_number_, what.c_str()));
}

}  // namespace zentaplot
