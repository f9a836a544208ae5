// ABAQUS element type names: which are plane elements, which are stored nowhere, which make a
// model three-dimensional, and the plane problem that a plane type stands for.
#pragma once

#include <string_view>

namespace abazenta {

enum class ElementKind {
    kPlane,     // translated, typed by its node count
    kNotPlane,  // beams, trusses, springs, connectors ...: not stored, counted
    kSolid,     // the model is three-dimensional and is not translated
    kOther,     // any other name: translated by its node count, as every type once was
};

// Problem type codes of the counts line.
inline constexpr int kAxisymmetric = 0;
inline constexpr int kPlaneStress = 1;
inline constexpr int kPlaneStrain = 2;
inline constexpr int kNoProblemType = -1;  // the type does not decide the problem type

struct ElementTypeInfo {
    ElementKind kind = ElementKind::kOther;
    int problem_type = kNoProblemType;
};

// What the type name (upper case) says, from the way it begins.
ElementTypeInfo element_type_info(std::string_view type);

}  // namespace abazenta
