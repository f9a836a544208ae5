// The whole translation of one ABAQUS deck.
#include "translator.h"

#include <future>
#include <system_error>
#include <vector>

#include "assembler.h"
#include "first_scan.h"
#include "interpreter.h"
#include "messages.h"
#include "writer.h"

namespace abazenta {

namespace {

// Both scans; the deck, which points into the input, goes at the end.
DeckModel scan_model(const DeckSource& source, const TranslationOptions& options,
                     std::ostream& diagnostics) {
    const Deck deck = read_deck(source, options.full);
    const FirstScanCounts counts = first_scan(deck, options.quiet ? nullptr : &diagnostics);
    diagnostics << "found:\n"
                << '\t' << counts.nodes << "\tnodes\n"
                << '\t' << counts.elements << "\telements\n";
    diagnostics << messages::kSecondScan;
    DeckModel model = second_scan(deck, options.full, diagnostics);
    diagnostics << messages::kFinished;
    return model;
}

// The forces of the loads in force, worked out on a thread of their own while the rest of the
// model is written. Only when the writer writes every element: it then says nothing meanwhile,
// and the messages of the loads come before anything it says, as they would without the thread.
std::future<NodalLoads> loads_alongside(Assembly& assembly) {
    const LegacyModel& model = assembly.model();
    if (count_writable_elements(model) != static_cast<int>(model.elements.size())) return {};
    try {
        return std::async(std::launch::async, [&assembly] { return assembly.work_out_loads(); });
    } catch (const std::system_error&) {
        return {};  // no thread to be had: they are worked out before the model is written
    }
}

void write_assembly(Assembly& assembly, std::ostream& legacy, std::ostream& diagnostics) {
    const LegacyModel& model = assembly.model();
    if (!assembly.loads_pending()) return write_model(model, legacy, diagnostics);
    std::future<NodalLoads> loads = loads_alongside(assembly);
    if (!loads.valid()) {
        assembly.place_loads(assembly.work_out_loads());
        return write_model(model, legacy, diagnostics);
    }
    write_model(model, legacy, diagnostics, [&]() -> const std::vector<LoadRecord>& {
        return assembly.place_loads(loads.get());
    });
}

}  // namespace

void translate(const DeckSource& source, const TranslationOptions& options, std::ostream& legacy,
               std::ostream& diagnostics) {
    DeckModel deck_model = scan_model(source, options, diagnostics);
    if (source.release_text) source.release_text();
    Assembly assembly(std::move(deck_model), options.full, diagnostics);
    write_assembly(assembly, legacy, diagnostics);
}

}  // namespace abazenta
