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

// The echo goes to its stream in large pieces: standard error writes every insertion at once,
// and a deck may pass over thousands of lines.
class EchoBuffer {
  public:
    explicit EchoBuffer(std::ostream* echo) : echo_(echo) {}
    ~EchoBuffer() { flush(); }
    bool on() const { return echo_ != nullptr; }
    void add(std::string_view lines) {
        text_.append(scanned_text(lines));
        if (text_.size() >= kPiece) flush();
    }
    void flush() {
        if (echo_ != nullptr && !text_.empty()) *echo_ << text_;
        text_.clear();
    }

  private:
    static constexpr std::size_t kPiece = 1 << 16;
    std::ostream* echo_;
    std::string text_;
};

}  // namespace

FirstScanCounts first_scan(const Deck& deck, std::ostream* echo_stream) {
    FirstScanCounts counts;
    EchoBuffer echo(echo_stream);
    bool echo_next = false;  // the line before was one of a block that is not counted
    for (std::size_t b = 0; b < deck.blocks.size(); ++b) {
        const Block& block = deck.blocks[b];
        const bool keyword_passed_over =
            b == 0 && deck.first_line == FirstLine::kKeywordOfFirstBlock;
        int* counter = nullptr;
        if (!keyword_passed_over && !block.keyword_text.empty()) {
            if (echo_next && echo.on()) echo.add(block.keyword_text);
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
            if (echo_next && echo.on()) echo.add(line);
            echo_next = true;
        }
    }
    echo.flush();  // all of it before what follows, the stop included
    if (deck.stop) throw *deck.stop;
    return counts;
}

}  // namespace abazenta
