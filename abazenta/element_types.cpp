// ABAQUS element type names, classified by the way they begin.
#include "element_types.h"

namespace abazenta {

namespace {

struct TypePrefix {
    std::string_view prefix;
    ElementTypeInfo info;
};

constexpr ElementTypeInfo kStress = {ElementKind::kPlane, kPlaneStress};
constexpr ElementTypeInfo kStrain = {ElementKind::kPlane, kPlaneStrain};
constexpr ElementTypeInfo kAxisym = {ElementKind::kPlane, kAxisymmetric};
constexpr ElementTypeInfo kNotPlane = {ElementKind::kNotPlane, kNoProblemType};
constexpr ElementTypeInfo kSolid = {ElementKind::kSolid, kNoProblemType};

// No prefix of the table begins another one of a different kind, so the order is free.
constexpr TypePrefix kTypePrefixes[] = {
    // Plane continuum, heat transfer, shell and membrane elements.
    {"CPS", kStress},
    {"CPE", kStrain},
    {"CAX", kAxisym},
    {"CGAX", kAxisym},
    {"DC2D", kStress},
    {"DCAX", kAxisym},
    {"S3", kStress},
    {"S4", kStress},
    {"S8", kStress},
    {"STRI", kStress},
    {"M3D", kStress},
    // Line, point and connector elements.
    {"T2D", kNotPlane},
    {"T3D", kNotPlane},
    {"B2", kNotPlane},
    {"B3", kNotPlane},
    {"PIPE", kNotPlane},
    {"FRAME", kNotPlane},
    {"ELBOW", kNotPlane},
    {"R2D", kNotPlane},
    {"R3D", kNotPlane},
    {"RAX", kNotPlane},
    {"SAX", kNotPlane},
    {"SFM", kNotPlane},
    {"MASS", kNotPlane},
    {"ROTARYI", kNotPlane},
    {"SPRING", kNotPlane},
    {"DASHPOT", kNotPlane},
    {"CONN", kNotPlane},
    {"JOINT", kNotPlane},
    {"GAP", kNotPlane},
    {"ITS", kNotPlane},
    {"ITT", kNotPlane},
    {"DRAG", kNotPlane},
    // Solid elements.
    {"C3D", kSolid},
    {"DC3D", kSolid},
    {"SC6", kSolid},
    {"SC8", kSolid},
};

}  // namespace

ElementTypeInfo element_type_info(std::string_view type) {
    for (const TypePrefix& entry : kTypePrefixes)
        if (type.substr(0, entry.prefix.size()) == entry.prefix) return entry.info;
    return ElementTypeInfo{};
}

}  // namespace abazenta
