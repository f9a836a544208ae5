// The loads in force at the end of the last step as nodal forces.
#include "nodal_loads.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <sys/mman.h>

#include "element_loads.h"
#include "element_types.h"
#include "faces.h"
#include "mesh_reader.h"
#include "step_rules.h"
#include "writer.h"

namespace abazenta {

namespace {

// Forces below this part of the largest component are rounding left over from the sums.
constexpr double kNegligible = 1e-12;
constexpr int kLoadCase = 1;  // every load belongs to load case 1

// No record yet for a node.
constexpr int kNoRecord = -1;

// A hint that the pages of `bytes` at `data` be huge pages, where the system gives them on
// request: the record table is the one large table that working out the loads touches for the
// first time, a page at a time as nodes receive their first force, and where page faults are
// dear a huge page costs about a tenth of the 512 small ones it replaces. Without huge pages
// nothing changes.
void advise_huge_pages(const void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kHugePage = std::uintptr_t{1} << 21;
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + bytes) & ~(kHugePage - 1);
    if (first < end) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

// One line's load on one written node (*CLOAD) or element (face or body load).
struct Application {
    int line = 0;
    int source = 0;  // index into DeckModel::loads, or DeckModel::distributed_loads
    bool concentrated = false;
    int index = 0;  // output node, or output element
    ElementTarget target;
};

}  // namespace

// Takes, when it is made, every piece of memory that the work needs; `finish` then allocates
// nothing.
class LoadAssembly {
  public:
    explicit LoadAssembly(const LoadSources& sources)
        : sources_(sources),
          deck_(sources.deck),
          model_(sources.model),
          line_state_(sources.deck.history_lines.size(), 0) {
        record_of_node_.assign(model_.nodes.size(), kNoRecord);
        // Room for a record on every node, so that the table never moves: only the part used
        // is ever touched.
        records_.reserve(model_.nodes.size());
        advise_huge_pages(records_.data(), records_.capacity() * sizeof(LoadRecord));
        named_.reserve(model_.nodes.size());
        axisymmetric_types_.assign(deck_.element_types.size(), -1);
        counted_.assign(model_.elements.size(), false);
        streaming_ = no_line_replaces_another();
        if (!streaming_) {
            gather();
            alive_ = in_force(contributions_, deck_.history_lines, deck_.renewed_in);
        }
    }

    NodalLoads finish() {
        if (streaming_) {
            gather();
        } else {
            for (std::size_t i = 0; i < applications_.size(); ++i)
                if (alive_[i]) apply(applications_[i]);
        }
        NodalLoads result;
        result.records = cleaned_records();
        for (unsigned char state : line_state_)
            if (state == kHadTarget) ++result.lines_not_written;
        result.elements_without_density = without_density_;
        return result;
    }

  private:
    static constexpr unsigned char kHadTarget = 1;
    static constexpr unsigned char kWritten = 2;

    // When each keyword has its lines in one step, a line is in force unless an OP=NEW of a
    // later step removed its keyword's loads: the loads are applied as they are gathered,
    // without the keys that the step rules compare.
    bool no_line_replaces_another() const {
        std::array<int, kHistoryKeywords> step{};
        step.fill(-1);
        for (const HistoryLine& line : deck_.history_lines) {
            int& first = step[static_cast<std::size_t>(line.keyword)];
            if (first < 0) first = line.step;
            if (first != line.step) return false;
        }
        return true;
    }

    // ---- the loads of every line, on written nodes and elements, in line order

    void gather() {
        if (!streaming_) {
            applications_.reserve(deck_.loads.size() + deck_.distributed_loads.size());
            contributions_.reserve(applications_.capacity());
        }
        std::size_t c = 0, d = 0;
        const std::vector<LoadTarget>& loads = deck_.loads;
        const std::vector<DistributedLoad>& distributed = deck_.distributed_loads;
        while (c < loads.size() || d < distributed.size()) {
            if (d == distributed.size() ||
                (c < loads.size() && loads[c].line < distributed[d].line)) {
                gather_concentrated(static_cast<int>(c++));
            } else {
                gather_distributed(static_cast<int>(d++));
            }
        }
    }

    void gather_concentrated(int source) {
        const LoadTarget& load = deck_.loads[static_cast<std::size_t>(source)];
        const int node = output_node(load.target, sources_.placed, deck_.has_parts());
        if (!note_target(load.line, node >= 0)) return;
        add({load.line, source, true, node, ElementTarget{}},
            (static_cast<std::uint64_t>(node) << 1) |
                static_cast<std::uint64_t>(load.direction - 1));
    }

    void gather_distributed(int source) {
        const DistributedLoad& load = deck_.distributed_loads[static_cast<std::size_t>(source)];
        if (load.every_element) {
            if (!streaming_) {
                applications_.reserve(applications_.size() + model_.elements.size());
                contributions_.reserve(applications_.capacity());
            }
            for (std::size_t p = 0; p < sources_.placed.size(); ++p) {
                const int instance = deck_.has_parts() ? static_cast<int>(p) : kOwnMesh;
                const std::size_t count = sources_.placed[p].mesh->element_info.size();
                for (std::size_t e = 0; e < count; ++e)
                    gather_target(source, load, {instance, static_cast<int>(e), 0});
            }
            return;
        }
        for (const ElementTarget& target : load.targets) gather_target(source, load, target);
    }

    void gather_target(int source, const DistributedLoad& load, const ElementTarget& target) {
        const int element = output_element(target);
        if (!note_target(load.line, element >= 0)) return;
        add({load.line, source, false, element, target},
            (static_cast<std::uint64_t>(element) << 8) |
                static_cast<std::uint64_t>(target.face << 4) |
                static_cast<std::uint64_t>(load.key));
    }

    // Notes that a line names a node or element, written or not; true when it is written.
    bool note_target(int line, bool written) {
        line_state_[static_cast<std::size_t>(line)] |= written ? kHadTarget | kWritten : kHadTarget;
        return written;
    }

    void add(const Application& application, std::uint64_t key) {
        if (streaming_) {
            const HistoryLine& line =
                deck_.history_lines[static_cast<std::size_t>(application.line)];
            if (line.step >= deck_.renewed_in[static_cast<std::size_t>(line.keyword)])
                apply(application);
            return;
        }
        applications_.push_back(application);
        contributions_.push_back({application.line, key});
    }

    const PlacedMesh* placed_of(int instance) const {
        if (instance == kOwnMesh) return deck_.has_parts() ? nullptr : &sources_.placed.front();
        return &sources_.placed[static_cast<std::size_t>(instance)];
    }

    // The output element of a target, -1 when it is not written or has not the face named.
    int output_element(const ElementTarget& target) const {
        const PlacedMesh* placed = placed_of(target.instance);
        if (placed == nullptr || target.element < 0) return -1;
        const std::size_t element =
            placed->first_element + static_cast<std::size_t>(target.element);
        if (!is_writable_element(model_.elements[element].node_count)) return -1;
        if (target.face == 0) return static_cast<int>(element);
        const ElementInfo& info = info_of(target);
        // The faces of a collapsed quadrilateral need the midside node it left out.
        if (info.collapse_rule >= 0 && info.dropped_midside < 0) return -1;
        const int count =
            info.collapse_rule >= 0 ? kMaxElementNodes : model_.elements[element].node_count;
        return face_nodes(count, target.face).count > 0 ? static_cast<int>(element) : -1;
    }

    const ElementInfo& info_of(const ElementTarget& target) const {
        return placed_of(target.instance)
            ->mesh->element_info[static_cast<std::size_t>(target.element)];
    }

    // ---- forces

    void apply(const Application& application) {
        const HistoryLine& line = deck_.history_lines[static_cast<std::size_t>(application.line)];
        if (application.concentrated) {
            const LoadTarget& load = deck_.loads[static_cast<std::size_t>(application.source)];
            const double value = load.value * line.scale;
            const std::size_t record =
                touch(application.index,
                      load.direction == 1 ? zenta::Vec2{value, 0.0} : zenta::Vec2{0.0, value});
            named_[record] = true;
            return;
        }
        const DistributedLoad& load =
            deck_.distributed_loads[static_cast<std::size_t>(application.source)];
        const double magnitude = load.magnitude * line.scale;
        if (application.target.face != 0)
            apply_face_load(application, load, magnitude);
        else
            apply_body_load(application, load, magnitude);
    }

    void apply_face_load(const Application& application, const DistributedLoad& load,
                         double magnitude) {
        std::array<int, kMaxElementNodes> nodes{};
        const int count = deck_output_nodes(application, nodes);
        const ElementForces forces = face_load_forces(
            points_of(nodes, count), count, face_nodes(count, application.target.face),
            thickness_of(application.index), load, magnitude);
        add_forces(forces, nodes);
    }

    void apply_body_load(const Application& application, const DistributedLoad& load,
                         double magnitude) {
        const LegacyElement& element = model_.elements[static_cast<std::size_t>(application.index)];
        double force_density = magnitude;
        if (load.kind == LoadKind::kGravity || load.kind == LoadKind::kCentrifugal) {
            const double density = density_of(element);
            if (density == 0.0) {
                count_without_density(application.index);
                return;
            }
            force_density = density * magnitude;
        }
        const NodeVectors forces =
            body_load_forces(points_of(element.nodes, element.node_count), element.node_count,
                             thickness_of(application.index), load, force_density,
                             is_axisymmetric(application.index));
        for (std::size_t k = 0; k < static_cast<std::size_t>(element.node_count); ++k)
            touch(element.nodes[k], forces[k]);
    }

    // The output nodes of an element as the deck gives it (a collapsed quadrilateral with its
    // eight nodes); returns their count.
    int deck_output_nodes(const Application& application,
                          std::array<int, kMaxElementNodes>& nodes) const {
        const LegacyElement& element = model_.elements[static_cast<std::size_t>(application.index)];
        ElementInfo info = info_of(application.target);
        // The left-out midside node as an output node, as the element's nodes are.
        info.dropped_midside +=
            static_cast<int>(placed_of(application.target.instance)->first_node);
        return deck_nodes(element, info, nodes);
    }

    NodeVectors points_of(const std::array<int, kMaxElementNodes>& nodes, int count) const {
        NodeVectors points{};
        for (std::size_t k = 0; k < static_cast<std::size_t>(count); ++k) {
            const NodeXY& node = model_.nodes[static_cast<std::size_t>(nodes[k])];
            points[k] = {node.x, node.y};
        }
        return points;
    }

    bool is_axisymmetric(int element) {
        const int type = sources_.element_types[static_cast<std::size_t>(element)];
        signed char& known = axisymmetric_types_[static_cast<std::size_t>(type)];
        if (known < 0)
            known = element_type_info(deck_.element_types[static_cast<std::size_t>(type)])
                        .problem_type == kAxisymmetric;
        return known == 1;
    }

    // 2 pi r for axisymmetric elements, the thickness of the section otherwise.
    zenta::Thickness thickness_of(int element) {
        if (is_axisymmetric(element)) return zenta::Thickness::Axisymmetric();
        const LegacyElement& legacy = model_.elements[static_cast<std::size_t>(element)];
        return zenta::Thickness::Constant(
            model_.materials[static_cast<std::size_t>(legacy.material)].thickness);
    }

    // The density of the element's section material; 0 for an element in no section.
    double density_of(const LegacyElement& element) const {
        const std::size_t line = static_cast<std::size_t>(element.material);
        return line < sources_.section_lines ? model_.materials[line].density : 0.0;
    }

    void count_without_density(int element) {
        if (counted_[static_cast<std::size_t>(element)]) return;
        counted_[static_cast<std::size_t>(element)] = true;
        ++without_density_;
    }

    void add_forces(const ElementForces& forces, const std::array<int, kMaxElementNodes>& nodes) {
        for (std::size_t k = 0; k < static_cast<std::size_t>(forces.count); ++k)
            touch(nodes[static_cast<std::size_t>(forces.positions[k])], forces.forces[k]);
    }

    // Adds a force to the node's record, made when the node receives its first force; returns
    // the record's position.
    std::size_t touch(int node, zenta::Vec2 force) {
        int& record = record_of_node_[static_cast<std::size_t>(node)];
        if (record == kNoRecord) {
            record = static_cast<int>(records_.size());
            records_.push_back({node, kLoadCase, 0.0, 0.0});
            named_.push_back(false);
        }
        LoadRecord& sum = records_[static_cast<std::size_t>(record)];
        sum.fx += force.x;
        sum.fy += force.y;
        return static_cast<std::size_t>(record);
    }

    // ---- records

    // Forces below kNegligible of the largest become 0; then a record that no *CLOAD line
    // names goes when both its forces are 0.
    std::vector<LoadRecord> cleaned_records() {
        double largest = 0.0;
        for (const LoadRecord& record : records_)
            largest = std::max({largest, std::fabs(record.fx), std::fabs(record.fy)});
        const double negligible = kNegligible * largest;
        const auto cleaned = [negligible](double value) {
            return std::fabs(value) < negligible || value == 0.0 ? 0.0 : value;
        };
        std::size_t kept = 0;
        for (std::size_t i = 0; i < records_.size(); ++i) {
            LoadRecord record = records_[i];
            record.fx = cleaned(record.fx);
            record.fy = cleaned(record.fy);
            if (named_[i] || record.fx != 0.0 || record.fy != 0.0) records_[kept++] = record;
        }
        records_.resize(kept);
        return std::move(records_);
    }

    const LoadSources sources_;
    const DeckModel& deck_;
    const LegacyModel& model_;
    std::vector<unsigned char> line_state_;        // kHadTarget | kWritten, by history line
    bool streaming_ = false;                       // loads are applied as they are gathered
    std::vector<Application> applications_;        // unless streaming
    std::vector<Contribution> contributions_;      // key of each application
    std::vector<bool> alive_;                      // by application: in force at the end
    std::vector<int> record_of_node_;              // by output node; kNoRecord: none
    std::vector<LoadRecord> records_;              // in the order nodes receive a force
    std::vector<bool> named_;                      // by record: a *CLOAD line in force names it
    std::vector<signed char> axisymmetric_types_;  // by element type; -1: not yet known
    std::vector<bool> counted_;                    // elements counted without density
    int without_density_ = 0;
};

PendingLoads::PendingLoads(const LoadSources& sources)
    : assembly_(std::make_unique<LoadAssembly>(sources)) {}

PendingLoads::~PendingLoads() = default;

NodalLoads PendingLoads::finish() {
    return assembly_->finish();
}

}  // namespace abazenta
