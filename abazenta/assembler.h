// Assembly of the output model from what the second scan gathered: each instance places one
// copy of its part's mesh (a deck without parts places its own mesh), node numbers are
// resolved, and materials, the problem type, fixities and loads are given.
#pragma once

#include <ostream>

#include "deck_model.h"
#include "legacy_model.h"

namespace abazenta {

// Writes to `diagnostics`, in this order: the keywords not translated, the element types that
// are not plane elements (with the count of elements skipped), then with `full` the materials
// that have no isotropic elasticity and the count of elements without a section. Throws
// TranslationError, after the counts, for a model over the size limits, a three-dimensional
// model, an element that names an undefined node, a model without a node or an element to
// write, and (with `full`) element types of different problem types. The deck is used up: a
// deck without parts gives its node table to the output model.
LegacyModel assemble(DeckModel&& deck, bool full, std::ostream& diagnostics);

}  // namespace abazenta
