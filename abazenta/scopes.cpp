// Where the names of a deck are looked up during the second scan.
#include "scopes.h"

#include "error.h"
#include "messages.h"

namespace abazenta {

Mesh& Scopes::current_mesh() {
    return current_part_ < 0 ? model_.deck_mesh
                             : model_.parts[static_cast<std::size_t>(current_part_)].mesh;
}

Mesh& Scopes::mesh_of(int instance) {
    if (instance == kOwnMesh) return model_.deck_mesh;
    const int part = model_.instances[static_cast<std::size_t>(instance)].part;
    return model_.parts[static_cast<std::size_t>(part)].mesh;
}

int Scopes::find_instance(std::string_view name) const {
    const auto found = model_.instance_by_name.find(upper_case(name));
    return found == model_.instance_by_name.end() ? -1 : found->second;
}

int Scopes::split_qualified(std::string_view name, const Mesh& scope,
                            std::string_view& rest) const {
    const std::size_t dot = name.find('.');
    if (&scope != &model_.deck_mesh || dot == std::string_view::npos) return -1;
    rest = name.substr(dot + 1);
    return find_instance(name.substr(0, dot));
}

const SetMembers* Scopes::find_set(std::string_view name, SetKind kind, Mesh& scope, int& owner) {
    owner = kOwnMesh;
    if (const SetMembers* set = table_of(scope, kind).find(name)) return set;
    std::string_view rest;
    owner = split_qualified(name, scope, rest);
    if (owner < 0) return nullptr;
    return table_of(mesh_of(owner), kind).find(rest);
}

const Surface* Scopes::find_surface(std::string_view name, Mesh& scope, int& owner) {
    owner = kOwnMesh;
    if (const Surface* surface = scope.surfaces.find(name)) return surface;
    std::string_view rest;
    owner = split_qualified(name, scope, rest);
    if (owner < 0) return nullptr;
    return mesh_of(owner).surfaces.find(rest);
}

bool Scopes::find_instance_number(std::string_view name, const Mesh& scope,
                                  SetMember& member) const {
    std::string_view rest;
    const int instance = split_qualified(name, scope, rest);
    if (instance < 0 || !parse_integer(rest, member.number)) return false;
    member.instance = instance;
    return true;
}

void Scopes::take_members(std::int64_t count) {
    if (count > kMaxSetMembers - members_)
        throw TranslationError(messages::too_many_set_members(kMaxSetMembers), 1);
    members_ += count;
}

}  // namespace abazenta
