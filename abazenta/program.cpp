// The run of abazenta on given arguments and standard streams: choose the input, translate
// it, and write the legacy file on standard output or into the "-out" file.
#include "program.h"

#include <fstream>
#include <sstream>

#include "command_line.h"
#include "error.h"
#include "messages.h"
#include "output_file.h"
#include "translator.h"
#include "writer.h"

namespace abazenta {

namespace {

// The whole stream as bytes; false when reading failed before its end.
bool read_all(std::istream& in, std::string& text) {
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

// The input is read whole, so that the second scan can start again from its first line even
// when it comes from a pipe.
std::string read_input(const Options& options, std::istream& standard_input) {
    std::string text;
    if (options.in_file_name.empty()) {
        if (!read_all(standard_input, text))
            throw TranslationError(messages::kStandardInputUnreadable, 1);
        return text;
    }
    std::ifstream file(options.in_file_name, std::ios::binary);
    if (!file || !read_all(file, text))
        throw TranslationError(messages::not_found(options.in_file_name), 1);
    return text;
}

}  // namespace

void run_program(const std::vector<std::string>& args, std::istream& standard_input,
                 std::ostream& standard_output, std::ostream& diagnostics) {
    const Options options = parse_arguments(args);
    diagnostics << messages::kFirstScan;
    const std::string input = read_input(options, standard_input);
    const AbaqusModel model = scan_model(input, diagnostics);
    if (!options.out_file_name.empty()) {
        // The file is composed first, so that the writer's warnings come out the same way
        // whether or not the file can then be written.
        std::ostringstream legacy;
        write_model(model, legacy, diagnostics);
        const std::string bytes = legacy.str();
        write_file_atomically(options.out_file_name, [&](std::ostream& out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        });
        return;
    }
    write_model(model, standard_output, diagnostics);
    if (!standard_output.flush())
        throw TranslationError(messages::not_written("standard output"), 1);
}

}  // namespace abazenta
