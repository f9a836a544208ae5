// Node and element translation: *NODE and *ELEMENT data lines stored into a mesh, and the
// material key of an element set.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "deck_model.h"
#include "fields.h"

namespace abazenta {

// A *NODE data line: node number (into `number`), x, y (a z coordinate is ignored). False for a
// line whose first field is not an integer, which is ignored; a number given again gets the
// later coordinates. Throws TranslationError when a new node would exceed MAX_NODES.
bool read_node(Mesh& mesh, const Fields& fields, int& number);

// The material key of the ELSET= name of an *ELEMENT line (nullptr: none). A name that from its
// fourth character on begins with an integer has that number as its key (SET12 and MAT12 give
// 12, SET-3 gives -3), so that such sets share a material; any other name is its own key, in
// any case; all elements without ELSET share one key.
std::string material_key_of(const std::string* elset);

// A *ELEMENT data line: element number (into `number`) and up to eight node numbers, given
// `material_key` and `type`. False for a line whose first field is not an integer, which is
// ignored; an element number given again is replaced by the later line. Throws
// TranslationError when a new element would exceed MAX_ELEM.
bool read_element(Mesh& mesh, const Fields& fields, int material_key, int type, int& number);

// The element's nodes as the deck gives them (a collapsed quadrilateral with its eight nodes),
// numbered as the element holds them, into `nodes`; returns their count.
int deck_nodes(const LegacyElement& element, const ElementInfo& info,
               std::array<int, kMaxElementNodes>& nodes);

// Turns the node numbers of every element of the mesh into the mesh's node indexes (and the
// midside node that a collapsed quadrilateral left out into its index, -1 when it has none),
// once. Throws TranslationError, at the first element in order, for a node that no *NODE line
// defines.
void resolve_nodes(Mesh& mesh);

}  // namespace abazenta
