// The whole translation of one ABAQUS deck.
#include "translator.h"

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

}  // namespace

void translate(const DeckSource& source, const TranslationOptions& options, std::ostream& legacy,
               std::ostream& diagnostics) {
    DeckModel deck_model = scan_model(source, options, diagnostics);
    if (source.release_text) source.release_text();
    const LegacyModel model = assemble(std::move(deck_model), options.full, diagnostics);
    write_model(model, legacy, diagnostics);
}

}  // namespace abazenta
