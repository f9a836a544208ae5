// The second scan: walks the blocks of a deck with one table of keywords and gathers the
// meshes, sets, instances, sections, materials, fixities and loads that the output model is
// assembled from.
#pragma once

#include <ostream>

#include "deck_model.h"
#include "deck_reader.h"

namespace abazenta {

// Reads the blocks of the deck. With `full` (-full), *BOUNDARY lines with a value other than 0
// are kept; otherwise they are ignored with a warning. Warnings go to `warnings`; throws
// TranslationError for what stops the run.
DeckModel second_scan(const Deck& deck, bool full, std::ostream& warnings);

}  // namespace abazenta
