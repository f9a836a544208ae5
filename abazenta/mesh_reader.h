// Node and element translation: *NODE data lines, *ELEMENT keyword lines and *ELEMENT data
// lines of the second scan, stored into the model.
#pragma once

#include <string_view>

#include "model.h"

namespace abazenta {

// A *NODE data line: node number, x, y (a z coordinate is ignored). A line whose first field is
// not an integer is ignored; a node number given again gets the later coordinates.
// Throws TranslationError when a new node would exceed MAX_NODES.
void read_node(AbaqusModel& model, std::string_view line);

// The element-set number of a normalised *ELEMENT keyword line: the integer that begins at the
// tenth character of its third word (ELSET=SET12 gives 12); 0 when there is none.
int element_set_number(std::string_view keyword_line);

// A *ELEMENT keyword line: selects (adding it when new) the material of its element set.
void read_element_header(AbaqusModel& model, std::string_view keyword_line);

// A *ELEMENT data line: element number and up to eight node numbers. A line whose first field
// is not an integer is ignored; an element number given again is replaced by the later line.
// Throws TranslationError when a new element would exceed MAX_ELEM.
void read_element(AbaqusModel& model, std::string_view line);

}  // namespace abazenta
