// The second scan's reading of the lines that steps hold: *BOUNDARY and *CLOAD data lines,
// each applied to the nodes that it names at the assembly's scope, and with -full the steps,
// amplitudes, surfaces and distributed loads (*DSLOAD, *DLOAD) of the whole deck.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "amplitudes.h"
#include "deck_model.h"
#include "deck_reader.h"
#include "fields.h"
#include "load_reader.h"
#include "scopes.h"

namespace abazenta {

// Counts `lines` lines of `keyword` (or of *BOUNDARY with TYPE=`boundary_type`) that are not
// translated, in order of first appearance.
void add_not_translated(DeckModel& model, std::string_view keyword, int lines,
                        std::string_view boundary_type = {});

class HistoryReader {
  public:
    // With `full`, *BOUNDARY values other than 0 are kept as prescribed displacements, *CLOAD
    // lines in another direction than 1 or 2 are counted as not translated, and steps,
    // OP=NEW, amplitudes, surfaces and distributed loads are read.
    HistoryReader(DeckModel& model, Scopes& scopes, bool full, std::ostream& warnings)
        : model_(model),
          scopes_(scopes),
          full_(full),
          warnings_(warnings),
          loads_(model, scopes, warnings) {}

    // Reads the block when its keyword is one that this reader knows; false otherwise.
    bool read(const Block& block);

    // After the last block: each line takes the value of its block's amplitude at the end of
    // its step.
    void finish();

  private:
    enum class TargetUse { kBoundary, kLoad };

    // The lines of one block with AMPLITUDE=.
    struct AmplitudeUse {
        std::size_t first_line;
        std::size_t end_line;
        std::string name;  // as written
    };

    bool read_step_block(const Block& block);
    bool next_fields(DataLines& lines);
    void begin_block(const Block& block, HistoryKeyword keyword);
    void end_block();
    int add_line(HistoryKeyword keyword);

    void read_boundaries(const Block& block);
    void read_cloads(const Block& block);
    void read_distributed_loads(const Block& block, HistoryKeyword keyword);
    void read_period(const Block& block);

    void resolve_nodes(std::string_view target, TargetUse use);
    void add_node(int instance, int number, TargetUse use, bool once = false);

    double amplitude_scale(const AmplitudeUse& use, int step);

    DeckModel& model_;
    Scopes& scopes_;
    const bool full_;
    std::ostream& warnings_;
    LoadReader loads_;
    Amplitudes amplitudes_;
    StepTimes step_times_;
    int step_ = 0;  // of the blocks being read; 0: model data
    std::vector<AmplitudeUse> amplitude_uses_;
    std::unordered_set<std::string> amplitudes_said_;  // upper-case names said not evaluated
    AmplitudeUse block_use_;                           // of the block in hand
    bool block_has_amplitude_ = false;
    std::string_view line_;                   // the data line in hand
    Fields fields_;                           // its fields
    std::vector<NodeTarget> nodes_;           // of the line in hand
    std::unordered_set<std::uint64_t> seen_;  // targets of the set in hand
};

}  // namespace abazenta
