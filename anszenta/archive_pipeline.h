// The whole translation of an ANSYS archive to a legacy input file, on streams.
#pragma once

#include <istream>
#include <ostream>

#include "data.h"

// Reads the archive into `dat` (from its start, once per reader), converts it to the plane
// model and writes the legacy file to `legacy`. Throws FatalError when the run must stop;
// nothing is written to `legacy` before every check has passed.
void translateArchive(std::istream& archive, std::ostream& legacy, Data& dat);

// Positions a stream at its start again, for the next reader.
void rewind(std::istream& in);
