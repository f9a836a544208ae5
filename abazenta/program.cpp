// The run of abazenta on given arguments and standard streams: choose the input, translate
// it, and write the legacy file on standard output or into the "-out" file.
#include "program.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <string_view>

#include "command_line.h"
#include "error.h"
#include "include_files.h"
#include "messages.h"
#include "replacing_file.h"
#include "translator.h"
#include "version.h"

namespace abazenta {

namespace {

// The whole input in one piece. The memory is taken with malloc and grown with realloc, which
// for large blocks moves pages instead of copying them, and is never filled before the input
// overwrites it.
class InputText {
  public:
    std::string_view view() const { return {bytes_.get(), size_}; }

    // False when reading failed before the end of the stream. A stream that can tell its size
    // (a file, or standard input redirected from one) is read in one piece of that size once a
    // first piece shows that it holds more; another (a pipe) into a buffer that doubles.
    bool read(std::istream& in) {
        std::size_t told = 0;  // the size the stream tells, plus one; 0 when it tells none
        const std::streampos start = in.tellg();
        if (start != std::streampos(-1) && in.seekg(0, std::ios::end)) {
            const std::streamoff size = in.tellg() - start;
            if (in.seekg(start) && size >= 0) told = static_cast<std::size_t>(size) + 1;
        }
        in.clear(in.rdstate() & std::ios::badbit);
        std::size_t capacity = kFirstCapacity;
        for (;;) {
            if (!grow(capacity)) throw std::bad_alloc();
            in.read(bytes_.get() + size_, static_cast<std::streamsize>(capacity - size_));
            size_ += static_cast<std::size_t>(in.gcount());
            if (size_ < capacity) break;
            capacity = told > capacity ? told : 2 * capacity;
        }
        return !in.bad();
    }

  private:
    static constexpr std::size_t kFirstCapacity = std::size_t{1} << 20;

    struct Free {
        void operator()(char* bytes) const { std::free(bytes); }
    };

    bool grow(std::size_t capacity) {
        char* bytes = static_cast<char*>(std::realloc(bytes_.get(), capacity));
        if (bytes == nullptr) return false;
        bytes_.release();
        bytes_.reset(bytes);
        return true;
    }

    std::unique_ptr<char, Free> bytes_;
    std::size_t size_ = 0;
};

// The input is read whole, so that both scans can read it even when it comes from a pipe.
InputText read_input(const Options& options, std::istream& standard_input) {
    InputText text;
    if (options.in_file_name.empty()) {
        if (!text.read(standard_input))
            throw TranslationError(messages::kStandardInputUnreadable, 1);
        return text;
    }
    std::ifstream file(options.in_file_name, std::ios::binary);
    if (!file || !text.read(file))
        throw TranslationError(messages::not_found(options.in_file_name), 1);
    return text;
}

// The "-out" file through the suite's replacing file: complete, or any earlier file untouched.
void write_out_file(const std::string& path, const std::string& bytes) {
    zenta::ReplacingFile file;
    if (!file.Open(path)) throw TranslationError(messages::not_written(path), 1);
    file.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.Commit()) throw TranslationError(messages::not_written(path), 1);
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
                 std::ostream& standard_output, std::ostream& diagnostics) {
    const Options options = parse_arguments(args);
    if (options.help || options.version) return write_answer(options, standard_output);
    diagnostics << messages::kFirstScan;
    const InputText input = read_input(options, standard_input);
    DeckSource source;
    source.text = input.view();
    source.load_include = load_included_file;
    if (!options.in_file_name.empty()) {
        source.folder = folder_of(options.in_file_name);
        source.identity = identity_of(options.in_file_name);
    }
    TranslationOptions translation;
    translation.full = options.full;
    if (options.out_file_name.empty()) {
        translate(source, translation, standard_output, diagnostics);
        if (!standard_output.flush())
            throw TranslationError(messages::not_written("standard output"), 1);
        return;
    }
    // The file is composed first, so that the writer's warnings come out the same way whether
    // or not the file can then be written.
    std::ostringstream legacy;
    translate(source, translation, legacy, diagnostics);
    write_out_file(options.out_file_name, legacy.str());
}

}  // namespace abazenta
