// The second scan's reading of surfaces and distributed loads.
#include "load_reader.h"

#include "element_types.h"
#include "faces.h"
#include "history_reader.h"
#include "messages.h"

namespace abazenta {

namespace {

// Takes an element, or one of its faces, once per line.
std::uint64_t target_key(int instance, int element, int face) {
    return (std::uint64_t{static_cast<std::uint32_t>(instance)} << 32) |
           (static_cast<std::uint32_t>(element + 1) << 3) | static_cast<std::uint32_t>(face);
}

void fill(DistributedLoad& load, const DistributedLine& line) {
    load.kind = line.kind;
    load.key = line.key;
    load.magnitude = line.magnitude;
    load.dx = line.dx;
    load.dy = line.dy;
    load.x0 = line.x0;
    load.y0 = line.y0;
}

}  // namespace

void LoadReader::read_surface(const Block& block) {
    const std::string* name = block.parameter("NAME");
    if (name == nullptr) return;  // a surface without a name cannot be referred to
    Mesh& scope = scopes_.current_mesh();
    Surface& surface = scope.surfaces.define(*name);
    const std::string* type = block.parameter("TYPE");
    if (type != nullptr && upper_case(trim(*type)) != "ELEMENT") {
        surface.other_faces = true;  // node-based and other kinds of surface
        return;
    }
    Fields fields;
    std::string_view line;
    for (DataLines lines(block); lines.next(line);) {
        fields.split(line);
        if (fields[0].empty()) continue;
        const int label = face_label(fields[1]);
        if (label == 0)
            surface.other_faces = true;
        else
            add_surface_faces(surface, fields[0], label, scope, *name);
    }
}

// The faces `label` of the elements that `target` names: an element number, a set, or (at the
// assembly's scope) "Inst.12".
void LoadReader::add_surface_faces(Surface& surface, std::string_view target, int label,
                                   Mesh& scope, const std::string& name) {
    SetMember member;
    if (parse_integer(target, member.number) ||
        scopes_.find_instance_number(target, scope, member)) {
        scopes_.take_members(1);
        surface.faces.push_back({member.instance, member.number, label});
        return;
    }
    int owner = kOwnMesh;
    const SetMembers* set = scopes_.find_set(target, SetKind::kElement, scope, owner);
    if (set == nullptr) {
        warnings_ << messages::set_left_out_of_surface(target, name);
        return;
    }
    scopes_.take_members(static_cast<std::int64_t>(set->size()));
    for (const SetMember& element : *set)
        surface.faces.push_back(
            {element.instance == kOwnMesh ? owner : element.instance, element.number, label});
}

bool LoadReader::read_dsload(const Fields& fields, DistributedLoad& load) {
    const DistributedLine line = parse_dsload(fields);
    if (!line.understood) {
        add_not_translated(model_, "DSLOAD", 1);
        return false;
    }
    int owner = kOwnMesh;
    const Surface* surface = scopes_.find_surface(line.target, scopes_.mesh_of(kOwnMesh), owner);
    if (surface == nullptr) {
        warnings_ << messages::surface_not_defined(line.target);
        return false;
    }
    if (surface->other_faces && other_faces_said_.insert(surface).second)
        warnings_ << messages::surface_faces_not_translated(line.target);
    fill(load, line);
    seen_.clear();
    load.targets.clear();
    for (const SurfaceFace& face : surface->faces) {
        const int instance = face.instance == kOwnMesh ? owner : face.instance;
        const int element = scopes_.mesh_of(instance).element_map.find(face.element);
        if (seen_.insert(target_key(instance, element, face.label)).second)
            load.targets.push_back({instance, element, face.label});
    }
    return true;
}

bool LoadReader::read_dload(const Fields& fields, DistributedLoad& load) {
    const DistributedLine line = parse_dload(fields);
    const bool every_element = line.target.empty() && line.kind == LoadKind::kGravity;
    if (!line.understood || (line.target.empty() && !every_element)) {
        add_not_translated(model_, "DLOAD", 1);
        return false;
    }
    targets_.clear();
    if (!every_element && !resolve_elements(line.target, line.face)) {
        warnings_ << messages::element_set_not_defined(line.target);
        return false;
    }
    if (line.kind == LoadKind::kCentrifugal && !keep_centrifugal_fits(line)) {
        add_not_translated(model_, "DLOAD", 1);
        return false;
    }
    fill(load, line);
    load.every_element = every_element;
    load.targets.swap(targets_);
    return true;
}

// The elements that the first field of a *DLOAD line names, at the assembly's scope: an element
// number, "Inst.12", or a set (each element once, in the set's order). False for a name that
// is none of them.
bool LoadReader::resolve_elements(std::string_view target, int face) {
    seen_.clear();
    Mesh& assembly = scopes_.mesh_of(kOwnMesh);
    SetMember member;
    if (parse_integer(target, member.number) ||
        scopes_.find_instance_number(target, assembly, member)) {
        add_element(member.instance, member.number, face);
        return true;
    }
    int owner = kOwnMesh;
    const SetMembers* set = scopes_.find_set(target, SetKind::kElement, assembly, owner);
    if (set == nullptr) return false;
    for (const SetMember& element : *set)
        add_element(element.instance == kOwnMesh ? owner : element.instance, element.number, face);
    return true;
}

void LoadReader::add_element(int instance, int number, int face) {
    const int element = scopes_.mesh_of(instance).element_map.find(number);
    if (seen_.insert(target_key(instance, element, face)).second)
        targets_.push_back({instance, element, face});
}

// Keeps the elements whose kind the CENTRIF axis suits (and those not found, which are not
// written); false when it suits none of the elements found.
bool LoadReader::keep_centrifugal_fits(const DistributedLine& line) {
    std::size_t kept = 0;
    bool found = false, fits = false;
    for (const ElementTarget& target : targets_) {
        const bool keep =
            target.element < 0 || centrifugal_axis_fits(line, is_axisymmetric(target));
        found = found || target.element >= 0;
        fits = fits || (keep && target.element >= 0);
        if (keep) targets_[kept++] = target;
    }
    targets_.resize(kept);
    return fits || !found;
}

bool LoadReader::is_axisymmetric(const ElementTarget& target) {
    const Mesh& mesh = scopes_.mesh_of(target.instance);
    const int type = mesh.element_info[static_cast<std::size_t>(target.element)].type;
    if (axisymmetric_types_.size() < model_.element_types.size())
        axisymmetric_types_.resize(model_.element_types.size(), -1);
    signed char& known = axisymmetric_types_[static_cast<std::size_t>(type)];
    if (known < 0)
        known =
            element_type_info(model_.element_types[static_cast<std::size_t>(type)]).problem_type ==
            kAxisymmetric;
    return known == 1;
}

}  // namespace abazenta
