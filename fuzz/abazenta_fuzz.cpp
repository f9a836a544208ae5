// Fuzz target: the whole translation (reading, both scans, assembly and the writer) of one
// input, in both modes. *INCLUDE names reach no file system: "input.inp" is the input itself
// (an include chain that loops back) and "mesh.inp" a small fixed mesh; other names cannot
// be read.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "error.h"
#include "translator.h"

namespace {

constexpr char kIncludedMesh[] =
    "*NODE\n1, 0., 0.\n2, 1., 0.\n3, 0., 1.\n*ELEMENT, TYPE=CPS3, ELSET=SET1\n1, 1, 2, 3\n";

void translate_once(std::string_view input, bool full) {
    abazenta::DeckSource source;
    source.text = input;
    source.identity = "input.inp";
    source.load_include = [input](const std::string& name, const std::string&,
                                  abazenta::IncludedFile& file) {
        if (name == "input.inp")
            file.text = std::string(input);
        else if (name == "mesh.inp")
            file.text = kIncludedMesh;
        else
            return false;
        file.identity = name;
        return true;
    };
    abazenta::TranslationOptions options;
    options.full = full;
    std::ostringstream legacy;
    std::ostringstream diagnostics;
    try {
        abazenta::translate(source, options, legacy, diagnostics);
    } catch (const abazenta::TranslationError& error) {
        // Input that cannot be translated: a message and a non-zero status, nothing more.
        if (error.status() == 0 || std::string_view(error.what()).empty()) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    translate_once(input, false);
    translate_once(input, true);
    return 0;
}
