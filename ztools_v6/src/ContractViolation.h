// The one error type the library raises when a caller breaks an operation's precondition.
#pragma once

#include <stdexcept>

namespace ZTools {

// Thrown instead of touching storage outside a container or returning an undefined value.
// what() is the violated condition as the library states it, e.g.
// "(i >= -NumArrayEntries) && (i < NumArrayEntries)".
class ContractViolation : public std::logic_error {
  public:
    explicit ContractViolation(const char* condition) : std::logic_error(condition) {}
};

// The conditions the library checks, as they appear in what().
namespace Condition {
constexpr const char* kListIndex = "(i >= -NumArrayEntries) && (i < NumArrayEntries)";
constexpr const char* kListInsertPos = "(pos >= 0) && (pos <= NumArrayEntries)";
constexpr const char* kVec2DIndex = "(indx == 0) || (indx == 1)";
constexpr const char* kDictKeyStored = "key is stored in the Dict";
constexpr const char* kSlicePos = "(pos >= 0) && (pos <= Len())";
constexpr const char* kSliceEnd = "(end < 0) || ((end >= pos) && (end <= Len()))";
constexpr const char* kStringIndex = "(i >= 0) && (i < Len())";
}  // namespace Condition

}  // namespace ZTools
