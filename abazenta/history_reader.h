// The second scan's reading of the lines that steps hold: *BOUNDARY and *CLOAD data lines,
// each applied to the nodes that it names, at the assembly's scope.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "deck_model.h"
#include "deck_reader.h"
#include "fields.h"
#include "scopes.h"

namespace abazenta {

// Counts `lines` lines of `keyword` (or of *BOUNDARY with TYPE=`boundary_type`) that are not
// translated, in order of first appearance.
void add_not_translated(DeckModel& model, std::string_view keyword, int lines,
                        std::string_view boundary_type = {});

class HistoryReader {
  public:
    // With `full`, *BOUNDARY values other than 0 are kept as prescribed displacements and
    // *CLOAD lines in another direction than 1 or 2 are counted as not translated.
    HistoryReader(DeckModel& model, Scopes& scopes, bool full, std::ostream& warnings)
        : model_(model), scopes_(scopes), full_(full), warnings_(warnings) {}

    // Reads the block when its keyword is one that this reader knows; false otherwise.
    bool read(const Block& block);

  private:
    enum class TargetUse { kBoundary, kLoad };

    bool next_fields(DataLines& lines);
    int add_line(HistoryKeyword keyword);

    void read_boundaries(const Block& block);
    void read_cloads(const Block& block);

    void resolve_nodes(std::string_view target, TargetUse use);
    void add_node(int instance, int number, TargetUse use, bool once = false);

    DeckModel& model_;
    Scopes& scopes_;
    const bool full_;
    std::ostream& warnings_;
    std::string_view line_;                   // the data line in hand
    Fields fields_;                           // its fields
    std::vector<NodeTarget> nodes_;           // of the line in hand
    std::unordered_set<std::uint64_t> seen_;  // targets of the set in hand
};

}  // namespace abazenta
