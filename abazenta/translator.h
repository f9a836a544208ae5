// The whole translation of one ABAQUS deck: reading, the two scans with their progress
// messages, the assembly of the output model and the legacy file.
#pragma once

#include <ostream>

#include "deck_reader.h"
#include "legacy_model.h"

namespace abazenta {

struct TranslationOptions {
    // -full: materials from the sections, prescribed displacements and the problem type from
    // the element types; otherwise the fixed values of the plain translation.
    bool full = false;
};

// Reads the deck, runs both scans with their progress messages on `diagnostics`, and assembles
// the output model. Throws TranslationError when the input cannot be translated.
LegacyModel scan_model(const DeckSource& source, const TranslationOptions& options,
                       std::ostream& diagnostics);

// scan_model, then the legacy file on `legacy`.
void translate(const DeckSource& source, const TranslationOptions& options, std::ostream& legacy,
               std::ostream& diagnostics);

}  // namespace abazenta
