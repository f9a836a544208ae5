// What the element converters do with an element of a type they do not accept: a plane
// element of an unlisted type goes on after a warning; a solid or shell element stops the run.
#include <string>

#include "data.h"
#include "fatal_error.h"
#include "text_format.h"

void Data::warnUnacceptedType(const Elem& elem, bool planeNodeCount) {
    console_ << formatText("Ansys element type (%d) might not translate\n", elem.type);
    if (!planeNodeCount) stopNotPlane(elem);
}

void Data::requireFlat(const Elem& elem, const int* found, int count) {
    for (int k = 0; k < count; ++k)
        if (found[k] >= 0 && nodes[found[k]].z != 0.0) stopNotPlane(elem);
}

void Data::stopNotPlane(const Elem& elem) {
    throw FatalError(formatText("Element %d is of ANSYS type %d, which is not a plane element\n",
                                elem.id, planeTypes_.ansysType(elsets, elem.type)));
}
