// Argument parsing: --help, --version, --width N, --labels, MODEL and PICTURE.
#include "command_line.h"

#include <cstdlib>

#include "messages.h"
#include "plot_error.h"

namespace zentaplot {

namespace {

[[noreturn]] void Usage(const std::string& reason) {
    throw PlotError(reason, PlotError::kShowUsage);
}

int WidthOf(const std::string& text) {
    char* end = nullptr;
    const long value = text.empty() ? 0 : std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < kLeastWidth || value > kMostWidth)
        Usage(Text::Format(Text::kBadWidth, kLeastWidth, kMostWidth));
    return static_cast<int>(value);
}

}  // namespace

PlotOptions ParseArguments(const std::vector<std::string>& args) {
    PlotOptions options;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "--version") {
            options.help = arg == "--help";
            options.version = arg == "--version";
            return options;
        } else if (arg == "--labels") {
            options.labels = true;
        } else if (arg == "--width") {
            if (i + 1 == args.size()) Usage(Text::Format(Text::kBadWidth, kLeastWidth, kMostWidth));
            options.width = WidthOf(args[++i]);
        } else if (!arg.empty() && arg[0] == '-') {
            Usage(Text::Format(Text::kUnknownOption, arg.c_str()));
        } else {
            names.push_back(arg);
        }
    }
    if (names.size() != 2) Usage(Text::kWrongArguments);
    options.model = names[0];
    options.picture = names[1];
    if (!PictureKindOf(options.picture, &options.kind))
        Usage(Text::Format(Text::kBadExtension, options.picture.c_str()));
    return options;
}

}  // namespace zentaplot
