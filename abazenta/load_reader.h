// The second scan's reading of element-based surfaces and of the data lines of *DSLOAD and
// *DLOAD (with -full): each line becomes a distributed load on the element faces or the
// elements that it names, at the assembly's scope.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "deck_model.h"
#include "deck_reader.h"
#include "distributed_loads.h"
#include "fields.h"
#include "scopes.h"

namespace abazenta {

class LoadReader {
  public:
    LoadReader(DeckModel& model, Scopes& scopes, std::ostream& warnings)
        : model_(model), scopes_(scopes), warnings_(warnings) {}

    // A *SURFACE block: a surface of the scope being read.
    void read_surface(const Block& block);

    // The load of a *DSLOAD or *DLOAD data line, all but its history line; false for a line
    // that is not translated, which is counted or said here.
    bool read_dsload(const Fields& fields, DistributedLoad& load);
    bool read_dload(const Fields& fields, DistributedLoad& load);

  private:
    void add_surface_faces(Surface& surface, std::string_view target, int label, Mesh& scope,
                           const std::string& name);
    bool resolve_elements(std::string_view target, int face);
    void add_element(int instance, int number, int face);
    bool keep_centrifugal_fits(const DistributedLine& line);
    bool is_axisymmetric(const ElementTarget& target);

    DeckModel& model_;
    Scopes& scopes_;
    std::ostream& warnings_;
    std::vector<ElementTarget> targets_;                   // of the line in hand
    std::unordered_set<std::uint64_t> seen_;               // its targets, to take each once
    std::unordered_set<const Surface*> other_faces_said_;  // surfaces said to have other faces
    std::vector<signed char> axisymmetric_types_;          // by element type; -1: not yet known
};

}  // namespace abazenta
