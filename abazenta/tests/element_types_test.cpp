// Element type names: plane, not plane, solid or other, and the problem type they stand for.
#include "element_types.h"

#include <gtest/gtest.h>

namespace abazenta {
namespace {

TEST(ElementTypeInfo, ClassifiesTypesByTheWayTheirNamesBegin) {
    constexpr ElementKind kPlane = ElementKind::kPlane, kNotPlane = ElementKind::kNotPlane,
                          kSolid = ElementKind::kSolid, kOther = ElementKind::kOther;
    const struct {
        const char* type;
        ElementKind kind;
        int problem_type;
    } cases[] = {
        {"CPS4R", kPlane, kPlaneStress},        {"CPE8", kPlane, kPlaneStrain},
        {"CPEG4", kPlane, kPlaneStrain},        {"CAX8R", kPlane, kAxisymmetric},
        {"CGAX4", kPlane, kAxisymmetric},       {"DC2D4", kPlane, kPlaneStress},
        {"DCAX6", kPlane, kAxisymmetric},       {"S3R", kPlane, kPlaneStress},
        {"S4", kPlane, kPlaneStress},           {"S8R5", kPlane, kPlaneStress},
        {"STRI65", kPlane, kPlaneStress},       {"M3D4R", kPlane, kPlaneStress},
        {"T2D2", kNotPlane, kNoProblemType},    {"T3D3", kNotPlane, kNoProblemType},
        {"B21", kNotPlane, kNoProblemType},     {"B31OS", kNotPlane, kNoProblemType},
        {"PIPE21", kNotPlane, kNoProblemType},  {"FRAME2D", kNotPlane, kNoProblemType},
        {"ELBOW31", kNotPlane, kNoProblemType}, {"R2D2", kNotPlane, kNoProblemType},
        {"R3D4", kNotPlane, kNoProblemType},    {"RAX2", kNotPlane, kNoProblemType},
        {"SAX1", kNotPlane, kNoProblemType},    {"SFM3D4", kNotPlane, kNoProblemType},
        {"MASS", kNotPlane, kNoProblemType},    {"ROTARYI", kNotPlane, kNoProblemType},
        {"SPRINGA", kNotPlane, kNoProblemType}, {"DASHPOT2", kNotPlane, kNoProblemType},
        {"CONN2D2", kNotPlane, kNoProblemType}, {"JOINTC", kNotPlane, kNoProblemType},
        {"GAPUNI", kNotPlane, kNoProblemType},  {"ITSUNI", kNotPlane, kNoProblemType},
        {"ITT21", kNotPlane, kNoProblemType},   {"DRAG2D", kNotPlane, kNoProblemType},
        {"C3D10", kSolid, kNoProblemType},      {"DC3D8", kSolid, kNoProblemType},
        {"SC6R", kSolid, kNoProblemType},       {"SC8R", kSolid, kNoProblemType},
        {"COH2D4", kOther, kNoProblemType},     {"DCC2D4", kOther, kNoProblemType},
        {"", kOther, kNoProblemType},           {"CP", kOther, kNoProblemType},
    };
    for (const auto& c : cases) {
        const ElementTypeInfo info = element_type_info(c.type);
        EXPECT_EQ(info.kind, c.kind) << c.type;
        EXPECT_EQ(info.problem_type, c.problem_type) << c.type;
    }
}

}  // namespace
}  // namespace abazenta
