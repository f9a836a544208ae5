// The second scan: one table of keywords, each with the handler of its blocks.
#include "interpreter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_set>

#include "element_types.h"
#include "error.h"
#include "fields.h"
#include "history_reader.h"
#include "mesh_reader.h"
#include "messages.h"
#include "scopes.h"

namespace abazenta {

namespace {

// Keywords whose blocks carry what the legacy file cannot hold; they are counted and said once
// after the scans. Written as the message names them.
constexpr std::string_view kNotTranslated[] = {
    "DLOAD",
    "DSLOAD",
    "DFLUX",
    "CFLUX",
    "TEMPERATURE",
    "INITIAL CONDITIONS",
    "EQUATION",
    "MPC",
    "TIE",
    "CONTACT PAIR",
    "RIGID BODY",
    "COUPLING",
    "PRE-TENSION SECTION",
    "HEAT TRANSFER",
};

// A normalised keyword (without blanks) against a keyword written with blanks.
bool same_keyword(std::string_view keyword, std::string_view written) {
    std::size_t k = 0;
    for (char c : written) {
        if (c == ' ') continue;
        if (k == keyword.size() || keyword[k] != c) return false;
        ++k;
    }
    return k == keyword.size();
}

// Rotations by whole quarter turns are exact, so that a turned mesh keeps exact coordinates.
void set_angle(Placement& placement, double degrees) {
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0.0) turn += 360.0;
    if (turn == 0.0 || turn == 90.0 || turn == 180.0 || turn == 270.0) {
        const int quarter = static_cast<int>(turn / 90.0);
        constexpr double kCos[] = {1.0, 0.0, -1.0, 0.0};
        constexpr double kSin[] = {0.0, 1.0, 0.0, -1.0};
        placement.cos_angle = kCos[quarter];
        placement.sin_angle = kSin[quarter];
        return;
    }
    const double radians = degrees * std::acos(-1.0) / 180.0;
    placement.cos_angle = std::cos(radians);
    placement.sin_angle = std::sin(radians);
}

class Interpreter {
  public:
    Interpreter(const Deck& deck, bool full, std::ostream& warnings)
        : deck_(deck), warnings_(warnings), history_(model_, scopes_, full, warnings) {}

    DeckModel run() {
        for (const Block& block : deck_.blocks) {
            if (history_.read(block)) continue;
            if (const Handler handler = handler_for(block.keyword)) {
                (this->*handler)(block);
                continue;
            }
            count_if_not_translated(block);
            // Every other block (output requests, step controls ...) carries nothing that the
            // legacy file can hold, and is passed over on purpose.
        }
        history_.finish();
        return std::move(model_);
    }

  private:
    using Handler = void (Interpreter::*)(const Block&);
    struct Rule {
        std::string_view keyword;
        Handler handler;
    };
    static const Rule kRules[];

    static Handler handler_for(std::string_view keyword) {
        for (const Rule* rule = kRules; rule->handler != nullptr; ++rule)
            if (rule->keyword == keyword) return rule->handler;
        return nullptr;
    }

    void count_if_not_translated(const Block& block) {
        for (std::string_view keyword : kNotTranslated) {
            if (!same_keyword(block.keyword, keyword)) continue;
            add_not_translated(model_, keyword, std::max(1, static_cast<int>(block.line_count)));
            return;
        }
    }

    // Splits the next data line into `fields_` (and keeps it in `line_`); false after the last.
    bool next_fields(DataLines& lines) { return lines.next(line_, fields_); }

    // Splits the first data line of `block` into `fields_`; false when it has none.
    bool first_fields(const Block& block) {
        DataLines lines(block);
        return next_fields(lines);
    }

    // ---- scopes: parts, assembly, instances

    void begin_part(const Block& block) {
        const std::string* name = block.parameter("NAME");
        Part part;
        part.name = name != nullptr ? *name : std::string();
        model_.part_by_name[upper_case(part.name)] = static_cast<int>(model_.parts.size());
        model_.parts.push_back(std::move(part));
        scopes_.enter_part(static_cast<int>(model_.parts.size()) - 1);
    }

    void end_part(const Block&) { scopes_.leave_part(); }

    void read_instance(const Block& block) {
        const std::string* name = block.parameter("NAME");
        const std::string* part = block.parameter("PART");
        Instance instance;
        instance.name = name != nullptr ? *name : std::string();
        const auto found = model_.part_by_name.find(upper_case(part != nullptr ? *part : ""));
        if (found == model_.part_by_name.end())
            throw TranslationError(
                messages::part_not_defined(part != nullptr ? *part : "", instance.name), 1);
        instance.part = found->second;
        instance.placement = placement_of(block, instance.name);
        model_.instance_by_name[upper_case(instance.name)] =
            static_cast<int>(model_.instances.size());
        model_.instances.push_back(std::move(instance));
    }

    // The optional translation line, then the optional rotation line: two points of the axis
    // and the angle in degrees, turning right-handed about the axis from the first point.
    Placement placement_of(const Block& block, const std::string& name) {
        Placement placement;
        DataLines lines(block);
        if (next_fields(lines)) {
            placement.dx = parse_real(fields_[0]);
            placement.dy = parse_real(fields_[1]);
        }
        if (next_fields(lines)) {
            double axis[6];
            for (std::size_t i = 0; i < 6; ++i) axis[i] = parse_real(fields_[i]);
            const double angle = parse_real(fields_[6]);
            if (angle == 0.0) return placement;
            const double ax = axis[3] - axis[0], ay = axis[4] - axis[1], az = axis[5] - axis[2];
            const double length = std::sqrt(ax * ax + ay * ay + az * az);
            constexpr double kParallel = 1e-9;  // relative size of an x or y part of the axis
            if (!(length > 0.0) || std::fabs(ax) > kParallel * length ||
                std::fabs(ay) > kParallel * length)
                throw TranslationError(messages::rotated_out_of_plane(name), 1);
            placement.cx = axis[0];
            placement.cy = axis[1];
            set_angle(placement, az > 0.0 ? angle : -angle);
        }
        return placement;
    }

    // ---- nodes and elements

    int index_of(std::vector<std::string>& names, std::unordered_map<std::string, int>& index,
                 const std::string& name) {
        const auto [entry, is_new] = index.try_emplace(name, static_cast<int>(names.size()));
        if (is_new) names.push_back(name);
        return entry->second;
    }

    void read_nodes(const Block& block) {
        Mesh& mesh = scopes_.current_mesh();
        SetMembers* members = set_of_block(mesh.node_sets, block.parameter("NSET"));
        reserve_more(mesh.node_xy, block.line_count);
        mesh.node_map.reserve(mesh.node_xy.size() + block.line_count);
        int number = 0;
        for (DataLines lines(block); next_fields(lines);) {
            if (read_node(mesh, fields_, number) && members != nullptr)
                add_member(*members, {kOwnMesh, number});
        }
    }

    // The set that NSET= or ELSET= of a *NODE or *ELEMENT line names (nullptr: none).
    static SetMembers* set_of_block(SetTable& table, const std::string* name) {
        return name != nullptr ? &table.define(*name) : nullptr;
    }

    int count_element_lines(const Block& block) {
        int count = 0;
        int number = 0;
        for (DataLines lines(block); next_fields(lines);) {
            if (parse_integer(fields_[0], number)) ++count;
        }
        return count;
    }

    void read_elements(const Block& block) {
        Mesh& mesh = scopes_.current_mesh();
        const std::string* type_written = block.parameter("TYPE");
        const std::string type_name = upper_case(type_written != nullptr ? *type_written : "");
        const int type = index_of(model_.element_types, type_index_, type_name);
        const ElementKind kind = element_type_info(type_name).kind;
        if (kind == ElementKind::kSolid) {
            if (mesh.first_solid_type < 0 && count_element_lines(block) > 0)
                mesh.first_solid_type = type;
            return;
        }
        if (kind == ElementKind::kNotPlane) {
            add_skipped(mesh, type, count_element_lines(block));
            return;
        }
        const std::string* elset = block.parameter("ELSET");
        const int key = index_of(model_.material_keys, key_index_, material_key_of(elset));
        mesh.block_keys.push_back(key);
        SetMembers* members = set_of_block(mesh.element_sets, elset);
        reserve_more(mesh.elements, block.line_count);
        reserve_more(mesh.element_info, block.line_count);
        mesh.element_map.reserve(mesh.elements.size() + block.line_count);
        int number = 0;
        for (DataLines lines(block); next_fields(lines);) {
            if (read_element(mesh, fields_, key, type, number) && members != nullptr)
                add_member(*members, {kOwnMesh, number});
        }
    }

    static void add_skipped(Mesh& mesh, int type, int count) {
        for (auto& [skipped_type, skipped] : mesh.skipped_types) {
            if (skipped_type == type) {
                skipped += count;
                return;
            }
        }
        mesh.skipped_types.emplace_back(type, count);
    }

    // ---- sets

    void read_node_set(const Block& block) { read_set(block, SetKind::kNode, "NSET"); }
    void read_element_set(const Block& block) { read_set(block, SetKind::kElement, "ELSET"); }

    void read_set(const Block& block, SetKind kind, std::string_view name_parameter) {
        const std::string* name = block.parameter(name_parameter);
        if (name == nullptr) return;  // a set without a name cannot be referred to
        int instance = kOwnMesh;
        if (const std::string* instance_name = block.parameter("INSTANCE")) {
            instance = scopes_.find_instance(*instance_name);
            if (instance < 0) {
                warnings_ << messages::instance_left_out(*instance_name, *name);
                return;
            }
        }
        Mesh& scope = scopes_.current_mesh();
        SetMembers& members = Scopes::table_of(scope, kind).define(*name);
        if (kind == SetKind::kNode && block.parameter("ELSET") != nullptr) {
            add_nodes_of_element_sets(block, members, scope, *name);
            return;
        }
        const bool generate = block.parameter("GENERATE") != nullptr;
        for (DataLines lines(block); next_fields(lines);) {
            if (generate) {
                add_range(members, instance);
                continue;
            }
            for (std::size_t f = 0; f < fields_.size(); ++f) {
                const std::string_view field = fields_[f];
                int number = 0;
                if (field.empty()) continue;
                if (parse_integer(field, number))
                    add_member(members, {instance, number});
                else
                    add_set(members, field, kind, scope, *name);
            }
        }
    }

    // A GENERATE line: first, last and increment (missing or not positive: 1).
    void add_range(SetMembers& members, int instance) {
        int first = 0, last = 0, step = 1;
        if (!parse_integer(fields_[0], first) || !parse_integer(fields_[1], last)) return;
        if (!parse_integer(fields_[2], step) || step < 1) step = 1;
        if (last < first) return;
        const std::int64_t count = (std::int64_t{last} - first) / step + 1;
        reserve_members(count);
        if (step == 1) {
            members.append(instance, first, static_cast<int>(count));
            return;
        }
        for (std::int64_t number = first; number <= last; number += step)
            members.push_back({instance, static_cast<int>(number)});
    }

    // Copies the members of the set `name` (read as they are now) into `members`; at the
    // assembly's scope "Inst.12" is node or element 12 of instance Inst.
    void add_set(SetMembers& members, std::string_view name, SetKind kind, Mesh& scope,
                 const std::string& set_name) {
        int owner = kOwnMesh;
        const SetMembers* source = scopes_.find_set(name, kind, scope, owner);
        SetMember member;
        if (source == nullptr && scopes_.find_instance_number(name, scope, member)) {
            add_member(members, member);
            return;
        }
        if (source == nullptr) {
            warnings_ << messages::set_left_out(name, set_name);
            return;
        }
        reserve_members(static_cast<std::int64_t>(source->size()));
        members.append(*source, owner);  // `source` may be `members` itself
    }

    // *NSET, NSET=name, ELSET=elset: the nodes of the elements of the element sets that
    // ELSET= and the data lines name (read as they are now), each node once.
    void add_nodes_of_element_sets(const Block& block, SetMembers& members, Mesh& scope,
                                   const std::string& set_name) {
        std::unordered_set<std::uint64_t> added;
        for (const SetMember& member : members) added.insert(member_key(member));
        const auto add_element_set = [&](std::string_view elset) {
            int owner = kOwnMesh;
            const SetMembers* elements = scopes_.find_set(elset, SetKind::kElement, scope, owner);
            if (elements == nullptr) {
                warnings_ << messages::set_left_out(elset, set_name);
                return;
            }
            for (const SetMember& element : *elements) {
                const int instance = element.instance == kOwnMesh ? owner : element.instance;
                add_nodes_of_element(members, added, instance, element.number);
            }
        };
        const std::string* first = block.parameter("ELSET");
        if (!first->empty()) add_element_set(*first);
        for (DataLines lines(block); next_fields(lines);)
            for (std::size_t f = 0; f < fields_.size(); ++f)
                if (!fields_[f].empty()) add_element_set(fields_[f]);
    }

    void add_nodes_of_element(SetMembers& members, std::unordered_set<std::uint64_t>& added,
                              int instance, int number) {
        const Mesh& mesh = scopes_.mesh_of(instance);
        const int element = mesh.element_map.find(number);
        if (element < 0) return;
        std::array<int, kMaxElementNodes> nodes{};
        const std::size_t index = static_cast<std::size_t>(element);
        const int count = deck_nodes(mesh.elements[index], mesh.element_info[index], nodes);
        for (int k = 0; k < count; ++k) {
            const SetMember node{instance, nodes[static_cast<std::size_t>(k)]};
            if (added.insert(member_key(node)).second) add_member(members, node);
        }
    }

    static std::uint64_t member_key(const SetMember& member) {
        return (std::uint64_t{static_cast<std::uint32_t>(member.instance)} << 32) |
               static_cast<std::uint32_t>(member.number);
    }

    void add_member(SetMembers& members, SetMember member) {
        reserve_members(1);
        members.push_back(member);
    }

    void reserve_members(std::int64_t count) { scopes_.take_members(count); }

    // ---- materials and sections

    void read_material(const Block& block) {
        const std::string* name = block.parameter("NAME");
        current_material_ = &model_.materials[upper_case(name != nullptr ? *name : "")];
    }

    void read_elastic(const Block& block) {
        if (current_material_ == nullptr) return;
        const std::string* type = block.parameter("TYPE");
        const bool isotropic = type == nullptr || upper_case(*type) == "ISOTROPIC";
        current_material_->isotropic = isotropic && first_fields(block);
        if (!current_material_->isotropic) return;
        current_material_->modulus = parse_real(fields_[0]);
        current_material_->poisson_ratio = parse_real(fields_[1]);
    }

    void read_density(const Block& block) {
        if (current_material_ == nullptr || !first_fields(block)) return;
        current_material_->density = parse_real(fields_[0]);
    }

    void read_section(const Block& block) {
        Section section;
        section.part = scopes_.current_part();
        const std::string* elset = block.parameter("ELSET");
        const std::string* material = block.parameter("MATERIAL");
        section.elset = elset != nullptr ? *elset : std::string();
        section.material = material != nullptr ? *material : std::string();
        if (first_fields(block) && !fields_[0].empty()) section.thickness = parse_real(fields_[0]);
        model_.sections.push_back(std::move(section));
    }

    const Deck& deck_;
    std::ostream& warnings_;
    DeckModel model_;
    Scopes scopes_{model_};
    HistoryReader history_;
    // The material that *ELASTIC and *DENSITY describe; its map entry stays where it is.
    MaterialData* current_material_ = nullptr;
    std::unordered_map<std::string, int> type_index_;  // into model_.element_types
    std::unordered_map<std::string, int> key_index_;   // into model_.material_keys
    std::string_view line_;                            // the data line in hand
    Fields fields_;                                    // its fields
};

// The keywords that the second scan reads, each with the handler of its blocks.
const Interpreter::Rule Interpreter::kRules[] = {
    {"NODE", &Interpreter::read_nodes},
    {"ELEMENT", &Interpreter::read_elements},
    {"NSET", &Interpreter::read_node_set},
    {"ELSET", &Interpreter::read_element_set},
    {"PART", &Interpreter::begin_part},
    {"ENDPART", &Interpreter::end_part},
    {"ASSEMBLY", &Interpreter::end_part},
    {"ENDASSEMBLY", &Interpreter::end_part},
    {"INSTANCE", &Interpreter::read_instance},
    {"MATERIAL", &Interpreter::read_material},
    {"ELASTIC", &Interpreter::read_elastic},
    {"DENSITY", &Interpreter::read_density},
    {"SOLIDSECTION", &Interpreter::read_section},
    {"SHELLSECTION", &Interpreter::read_section},
    {"MEMBRANESECTION", &Interpreter::read_section},
    {"", nullptr},
};

}  // namespace

DeckModel second_scan(const Deck& deck, bool full, std::ostream& warnings) {
    return Interpreter(deck, full, warnings).run();
}

}  // namespace abazenta
