// Every fixed text that the translator writes on standard error, in one place.
#pragma once

#include <string>
#include <string_view>

namespace abazenta::messages {

// The usage block, six writes joined.
inline constexpr char kUsage[] =
    "\n"
    "ABAQUS to ZENTA translator:\n"
    "\n"
    "abazenta < abaqus input file > zenta.inp file\n"
    "\n"
    "\n";

inline constexpr char kFirstScan[] = "Starting first scan of the input file...\n";
inline constexpr char kSecondScan[] = "Starting second scan of the input file...\n";
inline constexpr char kFinished[] = "Finished scanning input file...\n";
inline constexpr char kNothingToWrite[] = "No nodes or elements found in the input\n";

inline constexpr char kTooManyNodes[] =
    "Too many nodes for translator! \n"
    "change the parameter MAX_NODES, and try again\n";
inline constexpr char kTooManyElements[] =
    "Too many elements!\n"
    "Change the size of MAX_ELEM, and try again\n";

// No line end follows this warning.
inline constexpr char kNonZeroDisplacement[] = "cannot handle non zero displacements, ignoring";

inline constexpr char kNoMemory[] = "Not enough memory to translate the input\n";
inline constexpr char kStandardInputUnreadable[] = "standard input could not be read\n";

// "%s not found", without a line end.
inline std::string not_found(std::string_view name) {
    return std::string(name) + " not found";
}
// "%s could not be written\n"
inline std::string not_written(std::string_view name) {
    return std::string(name) + " could not be written\n";
}
// "Node set %s not supported, line ignored\n"
inline std::string node_set_ignored(std::string_view word) {
    return "Node set " + std::string(word) + " not supported, line ignored\n";
}
// "Boundary condition on undefined node %d ignored\n"
inline std::string boundary_on_undefined_node(int number) {
    return "Boundary condition on undefined node " + std::to_string(number) + " ignored\n";
}
// "Load on undefined node %d ignored\n"
inline std::string load_on_undefined_node(int number) {
    return "Load on undefined node " + std::to_string(number) + " ignored\n";
}
// "Unrecognized Nodal Force direction : %s\n", then "%s\n" with the whole line.
inline std::string unrecognized_direction(std::string_view field, std::string_view line) {
    return "Unrecognized Nodal Force direction : " + std::string(field) + "\n" + std::string(line) +
           "\n";
}
// "Skipping element %d %d\n"
inline std::string skipping_element(int dense_index, int node_count) {
    return "Skipping element " + std::to_string(dense_index) + " " + std::to_string(node_count) +
           "\n";
}

}  // namespace abazenta::messages
