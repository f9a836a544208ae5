// The whole translations of the two archive programs, on streams.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "data.h"

// Reads the archive into `dat` (from its start, once per reader), converts it to the plane
// model and writes the legacy file to `legacy`; with `dat.full` it also reads and converts
// thicknesses and distributed loads. Throws FatalError when the run must stop; nothing is
// written to `legacy` before every check has passed.
void translateArchive(std::istream& archive, std::ostream& legacy, Data& dat);

// Reads the mesh of the archive and the stresses of the listing (named `listingName` in the
// messages) into `dat` (constructed with the stress program's summary rules), converts the mesh
// for mapping and writes the MRP file to `mrp`. Throws FatalError when the run must stop.
void translateForMapping(std::istream& archive, std::istream& listing,
                         const std::string& listingName, std::ostream& mrp, Data& dat);

// Positions a stream at its start again, for the next reader.
void rewind(std::istream& in);
