// The second scan: walks the blocks of a deck with one table of keywords and gathers the
// meshes, sets, instances, sections, materials, fixities and loads that the output model is
// assembled from.
#pragma once

#include <ostream>

#include "deck_model.h"
#include "deck_reader.h"

namespace abazenta {

// Most set members that a deck may list in all (numbers listed, generated or copied from
// another set); a bound on what a deck can make the translator hold.
inline constexpr int kMaxSetMembers = 10 * (MAX_NODES + MAX_ELEM);

// Reads the blocks of the deck. With `full` (-full), *BOUNDARY lines with a value other than 0
// are kept; otherwise they are ignored with a warning. Warnings go to `warnings`; throws
// TranslationError for what stops the run.
DeckModel second_scan(const Deck& deck, bool full, std::ostream& warnings);

}  // namespace abazenta
