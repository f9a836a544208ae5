// The whole translation of one ABAQUS deck: reading, the two scans with their progress
// messages, the assembly of the output model and the legacy file.
#pragma once

#include <ostream>

#include "deck_reader.h"

namespace abazenta {

struct TranslationOptions {
    // -full: materials from the sections, prescribed displacements, distributed loads and the
    // loads and boundary conditions of every step, the problem type from the element types;
    // otherwise the fixed values of the plain translation, up to the first *END STEP.
    bool full = false;
    // -quiet: no echo of the lines that the first scan passes over.
    bool quiet = false;
};

// Reads the deck, runs both scans with their progress messages on `diagnostics` (then calls the
// source's release_text: the text is not read again), assembles the output model and writes the
// legacy file on `legacy`. Throws TranslationError when the input cannot be translated; nothing
// is written on `legacy` then.
void translate(const DeckSource& source, const TranslationOptions& options, std::ostream& legacy,
               std::ostream& diagnostics);

}  // namespace abazenta
