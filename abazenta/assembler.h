// Assembly of the output model from what the second scan gathered: each instance places one
// copy of its part's mesh (a deck without parts places its own mesh), node numbers are
// resolved, and materials, the problem type, fixities and loads are given.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "deck_model.h"
#include "legacy_model.h"
#include "nodal_loads.h"

namespace abazenta {

class Assembler;

// The output model. Making it writes to `diagnostics`, in this order: the keywords not
// translated, the element types that are not plane elements (with the count of elements
// skipped), then with `full` the materials that have no isotropic elasticity and the count of
// elements without a section. It throws TranslationError, after the counts, for a model over the
// size limits, a three-dimensional model, an element that names an undefined node, a model
// without a node or an element to write, and (with `full`) element types of different problem
// types. The deck is used up: a deck without parts gives its node table to the output model.
//
// With `full` the forces of the loads in force are left pending: work_out_loads, which may run
// on another thread while the rest of the model is written (it reads the model and the deck and
// cannot fail), then place_loads, which puts them in the model and says what of them was not
// written. Each is called once.
class Assembly {
  public:
    Assembly(DeckModel&& deck, bool full, std::ostream& diagnostics);
    ~Assembly();
    Assembly(const Assembly&) = delete;
    Assembly& operator=(const Assembly&) = delete;

    const LegacyModel& model() const;
    bool loads_pending() const;
    NodalLoads work_out_loads();
    const std::vector<LoadRecord>& place_loads(NodalLoads&& loads);

  private:
    std::unique_ptr<Assembler> assembler_;
};

}  // namespace abazenta
