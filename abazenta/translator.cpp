// The two scans over an ABAQUS input held in memory, and the whole translation of one input.
#include "translator.h"

#include <vector>

#include "conditions.h"
#include "error.h"
#include "mesh_reader.h"
#include "messages.h"
#include "scanner.h"
#include "writer.h"

namespace abazenta {

namespace {

// Block keywords; every other keyword's block is skipped.
constexpr std::string_view kNode = "NODE";
constexpr std::string_view kElement = "ELEMENT";
constexpr std::string_view kCload = "CLOAD";
constexpr std::string_view kBoundary = "BOUNDARY";

}  // namespace

FirstScanCounts first_scan(std::string_view input, std::ostream& echo) {
    FirstScanCounts counts;
    auto count_into = [](int& counter) { return [&counter](std::string_view) { ++counter; }; };
    // *BOUNDARY is not read here: its blocks are skipped and echoed like any other.
    const std::vector<BlockRule> rules = {
        {kNode, nullptr, count_into(counts.nodes)},
        {kElement, nullptr, count_into(counts.elements)},
        {kCload, nullptr, count_into(counts.loads)},
    };
    LineScanner scanner(input);
    scanner.discard_line();
    walk_blocks(scanner, rules, &echo);
    return counts;
}

void second_scan(std::string_view input, AbaqusModel& model, std::ostream& warnings) {
    const std::vector<BlockRule> rules = {
        {kNode, nullptr, [&](std::string_view line) { read_node(model, line); }},
        {kElement, [&](std::string_view line) { read_element_header(model, line); },
         [&](std::string_view line) { read_element(model, line); }},
        {kCload, nullptr, [&](std::string_view line) { read_cload(model, line, warnings); }},
        {kBoundary, nullptr, [&](std::string_view line) { read_boundary(model, line, warnings); }},
    };
    LineScanner scanner(input);
    walk_blocks(scanner, rules, nullptr);
}

AbaqusModel scan_model(std::string_view input, std::ostream& diagnostics) {
    const FirstScanCounts counts = first_scan(input, diagnostics);
    diagnostics << "found:\n"
                << '\t' << counts.nodes << "\tnodes\n"
                << '\t' << counts.elements << "\telements\n";

    AbaqusModel model;
    model.loads.reserve(static_cast<std::size_t>(counts.loads));
    diagnostics << messages::kSecondScan;
    second_scan(input, model, diagnostics);
    diagnostics << messages::kFinished;

    if (model.num_nodes == 0 || count_writable_elements(model) == 0)
        throw TranslationError(messages::kNothingToWrite, 1);
    return model;
}

void translate(std::string_view input, std::ostream& legacy, std::ostream& diagnostics) {
    const AbaqusModel model = scan_model(input, diagnostics);
    write_model(model, legacy, diagnostics);
}

}  // namespace abazenta
