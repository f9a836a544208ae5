// The first scan over a deck: counts the data lines of *NODE, *ELEMENT and *CLOAD blocks and
// echoes the lines of every other block, as the translator has always reported its input.
#pragma once

#include <ostream>

#include "deck_reader.h"

namespace abazenta {

struct FirstScanCounts {
    int nodes = 0;     // *NODE data lines
    int elements = 0;  // *ELEMENT data lines (a continued line counts once)
    int loads = 0;     // *CLOAD data lines
};

// Passes over the input's first line unread, counts, and writes to `echo` (unless it is
// nullptr) every line that follows a line of a block that it does not count (the first line
// it reads is never echoed). Throws the deck's stop, if it has one, when the walk reaches it.
FirstScanCounts first_scan(const Deck& deck, std::ostream* echo);

}  // namespace abazenta
