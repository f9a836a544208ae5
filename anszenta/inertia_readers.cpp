// Reader of the accelerations and rotational velocities of an archive.
#include <cstdlib>
#include <cstring>
#include <string>

#include "archive_pass.h"
#include "data.h"
#include "inertia_loads.h"
#include "line_reader.h"

Components inertiaComponents(const std::string& line, size_t keywordLength) {
    Components values{};
    const char* field = fromPosition(line, keywordLength);
    for (double& value : values) {
        value = std::strtod(field, nullptr);
        field = std::strchr(field, ',');
        if (field == nullptr) break;
        ++field;
    }
    return values;
}

bool anyNonzero(const Components& values) {
    return values[0] != 0.0 || values[1] != 0.0 || values[2] != 0.0;
}

bool isFrameRotationLine(const std::string& line) {
    return startsWith(line, "CGOMGA,") || startsWith(line, "DOMEGA,") || startsWith(line, "CGLOC,");
}

namespace {

// Accelerations from "ACEL," lines, the spin from "OMEGA," lines, and the lines of a second
// rotating frame, which are counted.
class InertiaLoadReader : public ArchiveReader {
  public:
    explicit InertiaLoadReader(InertiaLoads& loads) : loads_(loads) {}

    void take(const std::string& line) override {
        if (startsWith(line, "ACEL,")) {
            Components a = inertiaComponents(line, std::strlen("ACEL,"));
            if (a[0] != 0.0 || a[1] != 0.0) {
                loads_.accelerated = true;
                loads_.acceleration = a;  // a later line replaces an earlier one
            } else if (a[2] != 0.0) {
                ++loads_.zOnlyAccelerations;
            }
        } else if (startsWith(line, "OMEGA,")) {
            Components w = inertiaComponents(line, std::strlen("OMEGA,"));
            if (!anyNonzero(w)) return;
            loads_.spinning = true;
            loads_.spin = w;
        } else if (isFrameRotationLine(line)) {
            const size_t comma = line.find(',');
            if (anyNonzero(inertiaComponents(line, comma + 1))) ++loads_.frameRotations;
        }
    }

  private:
    InertiaLoads& loads_;
};

}  // namespace

std::unique_ptr<ArchiveReader> Data::inertiaLoadReader() {
    return std::make_unique<InertiaLoadReader>(inertiaLoads);
}
