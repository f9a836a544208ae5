// The run of abazenta on given arguments and standard streams: choose the input, translate
// it, and write the legacy file on standard output or into the "-out" file.
#include "program.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <streambuf>

#include "command_line.h"
#include "error.h"
#include "include_files.h"
#include "input_text.h"
#include "messages.h"
#include "replacing_file.h"
#include "translator.h"
#include "version.h"

namespace abazenta {

namespace {

// The input is read whole, so that both scans can read it even when it comes from a pipe.
InputText read_input(const Options& options, std::istream& standard_input, int input_descriptor) {
    InputText text;
    if (options.in_file_name.empty()) {
        const bool mapped = input_descriptor >= 0 && text.map(input_descriptor);
        if (!mapped && !text.read(standard_input))
            throw TranslationError(messages::kStandardInputUnreadable, 1);
        return text;
    }
    const int descriptor = open(options.in_file_name.c_str(), O_RDONLY | O_CLOEXEC);
    const bool mapped = descriptor >= 0 && text.map(descriptor);
    if (descriptor >= 0) close(descriptor);
    if (mapped) return text;
    std::ifstream file(options.in_file_name, std::ios::binary);
    if (!file || !text.read(file))
        throw TranslationError(messages::not_found(options.in_file_name), 1);
    return text;
}

// Output that goes nowhere.
class Discard : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// The "-out" file through the suite's replacing file: complete, or any earlier file untouched.
// The translation writes straight into it; when it cannot be opened the translation still
// runs (into nothing), so that its warnings come out the same way before the failure is said.
void translate_into_file(const std::string& path, const DeckSource& source,
                         const TranslationOptions& options, std::ostream& diagnostics) {
    zenta::ReplacingFile file;
    const bool opened = file.Open(path);
    Discard nothing;
    std::ostream nowhere(&nothing);
    translate(source, options, opened ? file.Stream() : nowhere, diagnostics);
    if (!opened || !file.Commit()) throw TranslationError(messages::not_written(path), 1);
}

// "--help" and "--version" answer on standard output and translate nothing.
void write_answer(const Options& options, std::ostream& standard_output) {
    if (options.help) standard_output << messages::kHelp;
    if (options.version) standard_output << zenta::VersionLine("abazenta");
    if (!standard_output.flush())
        throw TranslationError(messages::not_written("standard output"), 1);
}

}  // namespace

void run_program(const std::vector<std::string>& args, std::istream& standard_input,
                 std::ostream& standard_output, std::ostream& diagnostics, int input_descriptor) {
    const Options options = parse_arguments(args);
    if (options.help || options.version) return write_answer(options, standard_output);
    diagnostics << messages::kFirstScan;
    InputText input = read_input(options, standard_input, input_descriptor);
    DeckSource source;
    source.text = input.view();
    source.release_text = [&input] { input.release(); };
    source.load_include = load_included_file;
    if (!options.in_file_name.empty()) {
        source.folder = folder_of(options.in_file_name);
        source.identity = identity_of(options.in_file_name);
    }
    TranslationOptions translation;
    translation.full = options.full;
    translation.quiet = options.quiet;
    if (options.out_file_name.empty()) {
        translate(source, translation, standard_output, diagnostics);
        if (!standard_output.flush())
            throw TranslationError(messages::not_written("standard output"), 1);
        return;
    }
    translate_into_file(options.out_file_name, source, translation, diagnostics);
}

}  // namespace abazenta
