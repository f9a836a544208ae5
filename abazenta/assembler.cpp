// Assembly of the output model from what the second scan gathered.
#include "assembler.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "conditions.h"
#include "element_types.h"
#include "error.h"
#include "fields.h"
#include "fixities.h"
#include "mesh_reader.h"
#include "messages.h"
#include "nodal_loads.h"
#include "writer.h"

namespace abazenta {

class Assembler {
  public:
    Assembler(DeckModel&& deck, bool full, std::ostream& diagnostics)
        : deck_(std::move(deck)), full_(full), diagnostics_(diagnostics) {}

    // Everything but the forces of the loads in force with -full, which are prepared.
    void run() {
        place_meshes();
        report_not_translated();
        report_skipped_types();
        check_size();
        check_plane();
        place_nodes();
        if (!full_) give_element_set_materials();
        place_elements();
        if (model_.nodes.empty() || count_writable_elements(model_) == 0)
            throw TranslationError(messages::kNothingToWrite, 1);
        model_.exact_reals = full_;
        if (full_) {
            set_problem_type();
            give_section_materials();
        }
        model_.fixities = fixities_in_force(deck_, placed_);
        if (full_)
            pending_loads_ = std::make_unique<PendingLoads>(
                LoadSources{deck_, placed_, model_, element_types_, deck_.sections.size()});
        else
            place_concentrated_loads();
    }

    const LegacyModel& model() const { return model_; }
    bool loads_pending() const { return pending_loads_ != nullptr; }

    NodalLoads work_out_loads() { return pending_loads_->finish(); }

    // -full: the loads in force, distributed ones as nodal forces.
    const std::vector<LoadRecord>& place_loads(NodalLoads&& loads) {
        pending_loads_.reset();
        model_.loads = std::move(loads.records);
        if (loads.lines_not_written > 0)
            diagnostics_ << messages::load_lines_not_written(loads.lines_not_written);
        if (loads.elements_without_density > 0)
            diagnostics_ << messages::elements_without_density(loads.elements_without_density);
        return model_.loads;
    }

  private:
    // Only the instances are translated when the deck has parts; instance node numbers follow
    // one another in *INSTANCE order.
    void place_meshes() {
        if (!deck_.has_parts()) {
            placed_.push_back({&deck_.deck_mesh, -1, nullptr, 0, 0});
            return;
        }
        std::size_t first_node = 0, first_element = 0;
        for (const Instance& instance : deck_.instances) {
            Mesh& mesh = deck_.parts[static_cast<std::size_t>(instance.part)].mesh;
            placed_.push_back(
                {&mesh, instance.part, &instance.placement, first_node, first_element});
            first_node += mesh.node_xy.size();
            first_element += mesh.element_info.size();
        }
    }

    void report_not_translated() {
        for (const KeywordCount& count : deck_.not_translated)
            diagnostics_ << (count.boundary_type.empty()
                                 ? messages::lines_not_translated(count.lines, count.keyword)
                                 : messages::boundary_lines_not_translated(count.lines,
                                                                           count.boundary_type));
    }

    // In the order in which the types first appear in the deck.
    void report_skipped_types() {
        std::vector<long long> skipped(deck_.element_types.size(), 0);
        for (const PlacedMesh& placed : placed_)
            for (const auto& [type, count] : placed.mesh->skipped_types)
                skipped[static_cast<std::size_t>(type)] += count;
        for (std::size_t type = 0; type < skipped.size(); ++type)
            if (skipped[type] > 0)
                diagnostics_ << messages::not_a_plane_element(deck_.element_types[type],
                                                              skipped[type]);
    }

    void check_size() {
        std::size_t nodes = 0;
        for (const PlacedMesh& placed : placed_) {
            nodes += placed.mesh->node_xy.size();
            element_count_ += placed.mesh->element_info.size();
        }
        if (nodes > static_cast<std::size_t>(MAX_NODES))
            throw TranslationError(messages::kTooManyNodes, 1);
        if (element_count_ > static_cast<std::size_t>(MAX_ELEM))
            throw TranslationError(messages::kTooManyElements, 1);
        if (deck_.has_parts()) {
            model_.nodes.reserve(nodes);
            model_.elements.reserve(element_count_);
        }
    }

    void check_plane() const {
        for (const PlacedMesh& placed : placed_) {
            const int type = placed.mesh->first_solid_type;
            if (type >= 0)
                throw TranslationError(messages::three_dimensional(
                                           deck_.element_types[static_cast<std::size_t>(type)]),
                                       1);
        }
    }

    void place_nodes() {
        // A deck without parts is its own mesh as it stands: its node table moves over whole.
        if (!deck_.has_parts()) {
            model_.nodes = std::move(deck_.deck_mesh.node_xy);
            return;
        }
        for (const PlacedMesh& placed : placed_) {
            for (const NodeXY& xy : placed.mesh->node_xy)
                model_.nodes.push_back(placed.placement != nullptr ? placed.placement->apply(xy)
                                                                   : xy);
        }
    }

    // Each placed mesh's node numbers are resolved (once per part); a deck without parts then
    // gives its element table to the output model, instances copy theirs with their first node.
    void place_elements() {
        if (full_) element_types_.reserve(element_count_);
        for (const PlacedMesh& placed : placed_) {
            Mesh& mesh = *placed.mesh;
            resolve_nodes(mesh);
            // An element's material: with -full by its section (kNoSection when it has none),
            // otherwise by its element-set key.
            const std::vector<int>* sections = full_ ? &section_of(placed) : nullptr;
            const auto material_of = [&](std::size_t e, int key) {
                return sections != nullptr ? (*sections)[e]
                                           : material_of_key_[static_cast<std::size_t>(key)];
            };
            if (full_)
                for (const ElementInfo& info : mesh.element_info)
                    element_types_.push_back(info.type);
            if (!deck_.has_parts()) {
                for (std::size_t e = 0; e < mesh.elements.size(); ++e)
                    mesh.elements[e].material = material_of(e, mesh.elements[e].material);
                model_.elements = std::move(mesh.elements);
                continue;
            }
            for (std::size_t e = 0; e < mesh.elements.size(); ++e) {
                LegacyElement element = mesh.elements[e];
                element.material = material_of(e, element.material);
                for (int k = 0; k < element.node_count; ++k)
                    element.nodes[static_cast<std::size_t>(k)] +=
                        static_cast<int>(placed.first_node);
                model_.elements.push_back(element);
            }
        }
    }

    // Default: one fixed material line per element-set key, in order of appearance.
    void give_element_set_materials() {
        material_of_key_.assign(deck_.material_keys.size(), -1);
        int count = 0;
        for (const PlacedMesh& placed : placed_)
            for (int key : placed.mesh->block_keys)
                if (material_of_key_[static_cast<std::size_t>(key)] < 0)
                    material_of_key_[static_cast<std::size_t>(key)] = count++;
        model_.materials.assign(static_cast<std::size_t>(count), MaterialLine{});
    }

    // With -full: the problem type that the types of the written elements agree on.
    void set_problem_type() {
        int problem_type = kNoProblemType;
        int first_type = -1;
        std::vector<int> vote_of_type(deck_.element_types.size());
        for (std::size_t type = 0; type < vote_of_type.size(); ++type)
            vote_of_type[type] = element_type_info(deck_.element_types[type]).problem_type;
        for (std::size_t i = 0; i < model_.elements.size(); ++i) {
            if (!is_writable_element(model_.elements[i].node_count)) continue;
            const int type = element_types_[i];
            const int vote = vote_of_type[static_cast<std::size_t>(type)];
            if (vote == kNoProblemType) continue;
            if (problem_type == kNoProblemType) {
                problem_type = vote;
                first_type = type;
            } else if (vote != problem_type) {
                throw TranslationError(
                    messages::different_problem_types(
                        deck_.element_types[static_cast<std::size_t>(first_type)],
                        deck_.element_types[static_cast<std::size_t>(type)]),
                    1);
            }
        }
        model_.problem_type = problem_type == kNoProblemType ? kPlaneStress : problem_type;
    }

    // With -full: one material line per section, then one for the elements in none.
    void give_section_materials() {
        std::unordered_set<std::string> reported;
        for (const Section& section : deck_.sections) {
            MaterialLine line;
            line.thickness = section.thickness;
            line.density = 0.0;
            const auto found = deck_.materials.find(upper_case(section.material));
            if (found != deck_.materials.end()) line.density = found->second.density;
            if (found != deck_.materials.end() && found->second.isotropic) {
                line.modulus = found->second.modulus;
                line.poisson_ratio = found->second.poisson_ratio;
            } else if (reported.insert(upper_case(section.material)).second) {
                diagnostics_ << messages::no_isotropic_elasticity(section.material);
            }
            model_.materials.push_back(line);
        }
        const int no_section = static_cast<int>(model_.materials.size());
        int without = 0;
        for (LegacyElement& element : model_.elements) {
            if (element.material != kNoSection) continue;
            element.material = no_section;
            if (is_writable_element(element.node_count)) ++without;
        }
        if (without == 0) return;
        model_.materials.push_back(MaterialLine{});
        diagnostics_ << messages::elements_without_section(without);
    }

    // The section of every element of a placed mesh (the later section of an element wins);
    // computed once per part.
    const std::vector<int>& section_of(const PlacedMesh& placed) {
        auto [entry, is_new] = sections_by_part_.try_emplace(placed.part);
        if (!is_new) return entry->second;
        const Mesh& mesh = *placed.mesh;
        std::vector<int>& section_of_element = entry->second;
        section_of_element.assign(mesh.element_info.size(), kNoSection);
        for (std::size_t s = 0; s < deck_.sections.size(); ++s) {
            const Section& section = deck_.sections[s];
            if (section.part != placed.part) continue;
            const SetMembers* members = mesh.element_sets.find(section.elset);
            if (members == nullptr) continue;
            for (const SetMember& member : *members) {
                const int element =
                    member.instance == kOwnMesh ? mesh.element_map.find(member.number) : -1;
                if (element >= 0)
                    section_of_element[static_cast<std::size_t>(element)] = static_cast<int>(s);
            }
        }
        return section_of_element;
    }

    int output_node_of(const NodeTarget& target) const {
        return output_node(target, placed_, deck_.has_parts());
    }

    // Default: every *CLOAD line, merged per node.
    void place_concentrated_loads() {
        std::vector<LoadRecord> loads;
        loads.reserve(deck_.loads.size());
        for (const LoadTarget& load : deck_.loads) {
            const int node = output_node_of(load.target);
            if (node < 0) continue;
            LoadRecord record{node, kLoadCase, 0.0, 0.0};
            (load.direction == 1 ? record.fx : record.fy) = load.value;
            loads.push_back(record);
        }
        model_.loads = merge_loads(std::move(loads));
    }

    static constexpr int kLoadCase = 1;    // every load belongs to load case 1
    static constexpr int kNoSection = -1;  // the material of an element in no section

    DeckModel deck_;
    const bool full_;
    std::ostream& diagnostics_;
    std::vector<PlacedMesh> placed_;    // with parts, one per instance in instance order
    std::size_t element_count_ = 0;     // elements of all placed meshes
    std::vector<int> element_types_;    // -full: type of every output element
    std::vector<int> material_of_key_;  // default: material line of every element-set key
    std::unordered_map<int, std::vector<int>> sections_by_part_;  // -full, by part (-1: deck)
    LegacyModel model_;
    std::unique_ptr<PendingLoads> pending_loads_;  // -full, until the loads are placed
};

Assembly::Assembly(DeckModel&& deck, bool full, std::ostream& diagnostics)
    : assembler_(std::make_unique<Assembler>(std::move(deck), full, diagnostics)) {
    assembler_->run();
}

Assembly::~Assembly() = default;

const LegacyModel& Assembly::model() const {
    return assembler_->model();
}

bool Assembly::loads_pending() const {
    return assembler_->loads_pending();
}

NodalLoads Assembly::work_out_loads() {
    return assembler_->work_out_loads();
}

const std::vector<LoadRecord>& Assembly::place_loads(NodalLoads&& loads) {
    return assembler_->place_loads(std::move(loads));
}

}  // namespace abazenta
