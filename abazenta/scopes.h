// Where the names of a deck are looked up during the second scan: the part being read, or the
// deck's own mesh (the assembly's scope in a deck with parts), and the instances that place
// the parts, whose sets and surfaces the assembly names "Inst.Name".
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "deck_model.h"

namespace abazenta {

// Most set members and surface faces that a deck may list in all (numbers listed, generated
// or copied from another set); a bound on what a deck can make the translator hold.
inline constexpr int kMaxSetMembers = 10 * (MAX_NODES + MAX_ELEM);

enum class SetKind { kNode, kElement };

class Scopes {
  public:
    explicit Scopes(DeckModel& model) : model_(model) {}

    void enter_part(int part) { current_part_ = part; }
    void leave_part() { current_part_ = -1; }
    int current_part() const { return current_part_; }  // -1 outside parts

    // The mesh whose sets, surfaces, nodes and elements the lines being read define.
    Mesh& current_mesh();
    // The mesh that an instance places, or the deck's own mesh for kOwnMesh.
    Mesh& mesh_of(int instance);
    // The index of instance `name` (any case), or -1.
    int find_instance(std::string_view name) const;

    // The set `name` of `scope`; at the assembly's scope also "Inst.Name", a set of the
    // instance's part, whose own members then belong to that instance (`owner`).
    const SetMembers* find_set(std::string_view name, SetKind kind, Mesh& scope, int& owner);
    // The surface `name` of `scope`, found as sets are.
    const Surface* find_surface(std::string_view name, Mesh& scope, int& owner);
    // "Inst.12" at the assembly's scope: node or element 12 of instance Inst.
    bool find_instance_number(std::string_view name, const Mesh& scope, SetMember& member) const;

    static SetTable& table_of(Mesh& mesh, SetKind kind) {
        return kind == SetKind::kNode ? mesh.node_sets : mesh.element_sets;
    }

    // Counts `count` more members of sets and faces of surfaces; throws TranslationError
    // when the deck lists more than kMaxSetMembers in all.
    void take_members(std::int64_t count);

  private:
    // The instance that "Inst.Name" at `scope` names (-1: none) and the name after the dot.
    int split_qualified(std::string_view name, const Mesh& scope, std::string_view& rest) const;

    DeckModel& model_;
    int current_part_ = -1;  // index into model_.parts; -1 outside parts
    std::int64_t members_ = 0;
};

}  // namespace abazenta
