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

// The help that "--help" prints on standard output.
inline constexpr char kHelp[] =
    "Usage: abazenta [-in FILE] [-out FILE] [-full] [-nogap]\n"
    "Translates an ABAQUS input file into a legacy ZENTA2D(L) input file, from standard input\n"
    "to standard output unless -in and -out name the files. Messages go to standard error.\n"
    "  -in FILE    read FILE instead of standard input\n"
    "  -out FILE   write the legacy file to FILE instead of standard output, only when the\n"
    "              run succeeds\n"
    "  -full       materials, prescribed displacements and the problem type from the deck\n"
    "  -nogap      accepted, no effect\n"
    "  -h          show the short usage on standard error and end with exit status 1\n"
    "  --help      show this text\n"
    "  --version   show the program's name and version\n";

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
// "Node set %s is not defined, line ignored\n"
inline std::string node_set_not_defined(std::string_view name) {
    return "Node set " + std::string(name) + " is not defined, line ignored\n";
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

// "Included file %s could not be read\n"
inline std::string included_file_unreadable(std::string_view name) {
    return "Included file " + std::string(name) + " could not be read\n";
}
// "Included file %s includes itself\n": the file is already open further up the include chain.
inline std::string included_file_includes_itself(std::string_view name) {
    return "Included file " + std::string(name) + " includes itself\n";
}
// "%d *%s lines not translated\n"
inline std::string lines_not_translated(int count, std::string_view keyword) {
    return std::to_string(count) + " *" + std::string(keyword) + " lines not translated\n";
}
// "Element type %s is not a plane element: %d elements skipped\n"
inline std::string not_a_plane_element(std::string_view type, long long count) {
    return "Element type " + std::string(type) +
           " is not a plane element: " + std::to_string(count) + " elements skipped\n";
}
// "The model is three-dimensional (element type %s); only plane models are translated\n"
inline std::string three_dimensional(std::string_view type) {
    return "The model is three-dimensional (element type " + std::string(type) +
           "); only plane models are translated\n";
}
// "Element %d uses undefined node %d\n"
inline std::string element_uses_undefined_node(int element, int node) {
    return "Element " + std::to_string(element) + " uses undefined node " + std::to_string(node) +
           "\n";
}
// "Instance %s is rotated out of the plane\n"
inline std::string rotated_out_of_plane(std::string_view instance) {
    return "Instance " + std::string(instance) + " is rotated out of the plane\n";
}
// "Part %s of instance %s is not defined\n"
inline std::string part_not_defined(std::string_view part, std::string_view instance) {
    return "Part " + std::string(part) + " of instance " + std::string(instance) +
           " is not defined\n";
}
// "Set %s is not defined, left out of set %s\n"
inline std::string set_left_out(std::string_view name, std::string_view set) {
    return "Set " + std::string(name) + " is not defined, left out of set " + std::string(set) +
           "\n";
}
// "Instance %s is not defined, left out of set %s\n"
inline std::string instance_left_out(std::string_view name, std::string_view set) {
    return "Instance " + std::string(name) + " is not defined, left out of set " +
           std::string(set) + "\n";
}
// "Sets list more than %d numbers; the model is too large for the translator\n"
inline std::string too_many_set_members(int limit) {
    return "Sets list more than " + std::to_string(limit) +
           " numbers; the model is too large for the translator\n";
}
// "Material %s: no isotropic elasticity, the fixed values are used\n"
inline std::string no_isotropic_elasticity(std::string_view material) {
    return "Material " + std::string(material) +
           ": no isotropic elasticity, the fixed values are used\n";
}
// "%d elements have no section\n"
inline std::string elements_without_section(int count) {
    return std::to_string(count) + " elements have no section\n";
}
// "Element types %s and %s need different problem types\n"
inline std::string different_problem_types(std::string_view first, std::string_view second) {
    return "Element types " + std::string(first) + " and " + std::string(second) +
           " need different problem types\n";
}

}  // namespace abazenta::messages
