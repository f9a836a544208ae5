// The command line of abazenta: "-h", "-in FILE", "-out FILE", "-full", "-nogap", "--help"
// and "--version".
#include "command_line.h"

#include "error.h"
#include "messages.h"

namespace abazenta {

Options parse_arguments(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "-h") throw TranslationError(messages::kUsage, 1);
        options.help = word == "--help";
        options.version = word == "--version";
        if (options.help || options.version) return options;
        const bool takes_value = word == "-in" || word == "-out";
        if (takes_value && i + 1 == args.size()) throw TranslationError(messages::kUsage, 1);
        if (word == "-in") options.in_file_name = args[i + 1];
        if (word == "-out") options.out_file_name = args[i + 1];
        if (word == "-full") options.full = true;
        if (word == "-nogap") options.no_gap = true;
    }
    return options;
}

}  // namespace abazenta
