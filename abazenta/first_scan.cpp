// The first scan over a deck: counts and echoes.
#include "first_scan.h"

namespace abazenta {

namespace {

int* counter_for(std::string_view keyword, FirstScanCounts& counts) {
    if (keyword == "NODE") return &counts.nodes;
    if (keyword == "ELEMENT") return &counts.elements;
    if (keyword == "CLOAD") return &counts.loads;
    return nullptr;
}

}  // namespace

FirstScanCounts first_scan(const Deck& deck, std::ostream* echo) {
    FirstScanCounts counts;
    bool echo_next = false;  // the line before was one of a block that is not counted
    for (std::size_t b = 0; b < deck.blocks.size(); ++b) {
        const Block& block = deck.blocks[b];
        const bool keyword_passed_over =
            b == 0 && deck.first_line == FirstLine::kKeywordOfFirstBlock;
        int* counter = nullptr;
        if (!keyword_passed_over && !block.keyword_text.empty()) {
            if (echo_next && echo != nullptr) *echo << scanned_text(block.keyword_text);
            counter = counter_for(block.keyword, counts);
            echo_next = counter == nullptr;
        }
        if (counter != nullptr) {
            *counter += static_cast<int>(block.line_count);
            continue;
        }
        DataLines lines(block);
        std::string_view line;
        if (b == 0 && deck.first_line == FirstLine::kDataOfFirstBlock) lines.next(line);
        while (lines.next(line)) {
            if (echo_next && echo != nullptr) *echo << scanned_text(line);
            echo_next = true;
        }
    }
    if (deck.stop) throw *deck.stop;
    return counts;
}

}  // namespace abazenta
