// The second scan's reading of the lines that steps hold.
#include "history_reader.h"

#include "conditions.h"
#include "error.h"
#include "messages.h"

namespace abazenta {

namespace {

// *BOUNDARY types other than displacements, which the legacy file cannot hold.
constexpr std::string_view kUntranslatedBoundaryTypes[] = {"VELOCITY", "ACCELERATION"};

std::string_view untranslated_boundary_type(const Block& block) {
    const std::string* type = block.parameter("TYPE");
    if (type == nullptr) return {};
    const std::string upper = upper_case(*type);
    for (std::string_view untranslated : kUntranslatedBoundaryTypes)
        if (upper == untranslated) return untranslated;
    return {};
}

std::uint64_t pair_key(int first, int second) {
    return (std::uint64_t{static_cast<std::uint32_t>(first)} << 32) |
           static_cast<std::uint32_t>(second);
}

}  // namespace

void add_not_translated(DeckModel& model, std::string_view keyword, int lines,
                        std::string_view boundary_type) {
    for (KeywordCount& count : model.not_translated) {
        if (count.keyword == keyword && count.boundary_type == boundary_type) {
            count.lines += lines;
            return;
        }
    }
    model.not_translated.push_back({keyword, lines, boundary_type});
}

bool HistoryReader::read(const Block& block) {
    if (block.keyword == "BOUNDARY") {
        read_boundaries(block);
        return true;
    }
    if (block.keyword == "CLOAD") {
        read_cloads(block);
        return true;
    }
    return full_ && read_step_block(block);
}

// The blocks that only -full reads.
bool HistoryReader::read_step_block(const Block& block) {
    const std::string& keyword = block.keyword;
    if (keyword == "STEP") {
        step_ = step_times_.begin_step(1.0);
    } else if (keyword == "ENDSTEP") {
        step_ = step_times_.begin_step(0.0);  // up to the next *STEP
    } else if (keyword == "STATIC") {
        read_period(block);
    } else if (keyword == "AMPLITUDE") {
        amplitudes_.read(block);
    } else if (keyword == "SURFACE") {
        loads_.read_surface(block);
    } else if (keyword == "DSLOAD") {
        read_distributed_loads(block, HistoryKeyword::kDsload);
    } else if (keyword == "DLOAD") {
        read_distributed_loads(block, HistoryKeyword::kDload);
    } else {
        return false;
    }
    return true;
}

// The time period of a step: the second value of the *STATIC data line.
void HistoryReader::read_period(const Block& block) {
    DataLines lines(block);
    if (next_fields(lines) && !fields_[1].empty())
        step_times_.set_last_period(parse_real(fields_[1]));
}

void HistoryReader::finish() {
    for (const AmplitudeUse& use : amplitude_uses_) {
        for (std::size_t l = use.first_line; l < use.end_line; ++l) {
            HistoryLine& line = model_.history_lines[l];
            line.scale = amplitude_scale(use, line.step);
        }
    }
}

// The value of the use's amplitude at the end of `step`; 1 (full magnitude) for an amplitude
// that is not defined or not tabular, which is said once.
double HistoryReader::amplitude_scale(const AmplitudeUse& use, int step) {
    const Amplitude* amplitude = amplitudes_.find(use.name);
    if (amplitude != nullptr && amplitude->tabular)
        return amplitude->value_at(amplitude->total_time ? step_times_.total_time(step)
                                                         : step_times_.step_time(step));
    if (amplitudes_said_.insert(upper_case(use.name)).second)
        warnings_ << (amplitude == nullptr ? messages::amplitude_not_defined(use.name)
                                           : messages::amplitude_not_tabular(amplitude->name));
    return 1.0;
}

bool HistoryReader::next_fields(DataLines& lines) {
    return lines.next(line_, fields_);
}

// With -full, OP=NEW removes what earlier steps defined with the keyword, and AMPLITUDE=
// scales the block's lines.
void HistoryReader::begin_block(const Block& block, HistoryKeyword keyword) {
    reserve_more(model_.history_lines, block.line_count);
    block_has_amplitude_ = false;
    if (!full_) return;
    const std::string* op = block.parameter("OP");
    if (op != nullptr && upper_case(trim(*op)) == "NEW")
        model_.renewed_in[static_cast<std::size_t>(keyword)] = step_;
    const std::string* amplitude = block.parameter("AMPLITUDE");
    if (amplitude == nullptr) return;
    block_has_amplitude_ = true;
    block_use_.first_line = model_.history_lines.size();
    block_use_.name = *amplitude;
}

void HistoryReader::end_block() {
    if (!block_has_amplitude_) return;
    block_use_.end_line = model_.history_lines.size();
    if (block_use_.end_line > block_use_.first_line) amplitude_uses_.push_back(block_use_);
}

int HistoryReader::add_line(HistoryKeyword keyword) {
    model_.history_lines.push_back({keyword, step_, 1.0});
    return static_cast<int>(model_.history_lines.size()) - 1;
}

void HistoryReader::read_boundaries(const Block& block) {
    if (const std::string_view type = untranslated_boundary_type(block); !type.empty()) {
        int count = 0;
        for (DataLines lines(block); next_fields(lines);)
            if (!fields_[0].empty()) ++count;
        if (count > 0) add_not_translated(model_, "BOUNDARY", count, type);
        return;
    }
    begin_block(block, HistoryKeyword::kBoundary);
    reserve_more(model_.fixities, block.line_count);
    for (DataLines lines(block); next_fields(lines);) {
        if (fields_[0].empty()) continue;
        const BoundaryLine boundary = parse_boundary(fields_);
        if (boundary.value != 0.0 && !full_) {
            warnings_ << messages::kNonZeroDisplacement;
            continue;
        }
        resolve_nodes(boundary.target, TargetUse::kBoundary);
        if (boundary.directions == 0) continue;
        const int line = add_line(HistoryKeyword::kBoundary);
        for (const NodeTarget& target : nodes_)
            model_.fixities.push_back({target, boundary.directions, boundary.value, line});
    }
    end_block();
}

void HistoryReader::read_cloads(const Block& block) {
    begin_block(block, HistoryKeyword::kCload);
    reserve_more(model_.loads, block.line_count);
    for (DataLines lines(block); next_fields(lines);) {
        if (fields_[0].empty()) continue;
        const CloadLine load = parse_cload(fields_);
        if ((load.direction != 1 && load.direction != 2) && full_) {
            add_not_translated(model_, "CLOAD", 1);
            continue;
        }
        if (load.direction != 1 && load.direction != 2)
            throw TranslationError(
                messages::unrecognized_direction(load.direction_field, scanned_text(line_)), 1);
        resolve_nodes(load.target, TargetUse::kLoad);
        const int line = add_line(HistoryKeyword::kCload);
        for (const NodeTarget& target : nodes_)
            model_.loads.push_back({target, load.value, load.direction, line});
    }
    end_block();
}

void HistoryReader::read_distributed_loads(const Block& block, HistoryKeyword keyword) {
    begin_block(block, keyword);
    for (DataLines lines(block); next_fields(lines);) {
        if (fields_.size() == 0) continue;
        DistributedLoad load;
        const bool translated = keyword == HistoryKeyword::kDsload
                                    ? loads_.read_dsload(fields_, load)
                                    : loads_.read_dload(fields_, load);
        if (!translated) continue;
        load.line = add_line(keyword);
        model_.distributed_loads.push_back(std::move(load));
    }
    end_block();
}

// The nodes named by the first field of a *BOUNDARY or *CLOAD line, at the assembly's scope: a
// node number, "Inst.12", or a set (each node once, in the set's order).
void HistoryReader::resolve_nodes(std::string_view target, TargetUse use) {
    nodes_.clear();
    Mesh& assembly = scopes_.mesh_of(kOwnMesh);
    int number = 0;
    if (parse_integer(target, number)) {
        add_node(kOwnMesh, number, use);
        return;
    }
    int owner = kOwnMesh;
    if (const SetMembers* set = scopes_.find_set(target, SetKind::kNode, assembly, owner)) {
        seen_.clear();
        for (const SetMember& member : *set)
            add_node(member.instance == kOwnMesh ? owner : member.instance, member.number, use,
                     true);
        return;
    }
    SetMember member;
    if (scopes_.find_instance_number(target, assembly, member)) {
        add_node(member.instance, member.number, use);
        return;
    }
    warnings_ << messages::node_set_not_defined(target);
}

void HistoryReader::add_node(int instance, int number, TargetUse use, bool once) {
    const int node = scopes_.mesh_of(instance).node_map.find(number);
    if (node < 0) {
        warnings_ << (use == TargetUse::kBoundary ? messages::boundary_on_undefined_node(number)
                                                  : messages::load_on_undefined_node(number));
        return;
    }
    if (once && !seen_.insert(pair_key(instance, node)).second) return;
    nodes_.push_back({instance, node});
}

}  // namespace abazenta
