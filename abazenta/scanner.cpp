// ABAQUS keyword scanner: reads the input line by line, normalises keyword and data lines and
// walks the keyword blocks, handing each block's lines to the handler its keyword has.
#include "scanner.h"

#include <algorithm>

#include "fields.h"

namespace abazenta {

std::string_view LineScanner::next_piece() {
    const std::size_t limit = std::min(input_.size(), pos_ + kMaxPiece);
    std::size_t end = pos_;
    while (end < limit && input_[end] != '\n') ++end;
    if (end < limit) ++end;  // keep the line end
    std::string_view piece = input_.substr(pos_, end - pos_);
    pos_ = end;
    return piece;
}

LineKind LineScanner::read_line() {
    for (;;) {
        if (pos_ >= input_.size()) {
            buffer_.clear();
            return END_OF_INPUT;
        }
        const std::string_view piece = next_piece();
        if (piece[0] != '*') {
            buffer_.assign(piece);
            std::replace(buffer_.begin(), buffer_.end(), ',', ' ');
            return DATA_LINE;
        }
        if (piece.size() > 1 && piece[1] == '*') continue;  // comment line
        buffer_.clear();
        for (char c : piece) {
            if (c == ' ') continue;
            buffer_.push_back(c == ',' ? ' ' : c);
        }
        return KEYWORD_LINE;
    }
}

std::string_view keyword_of(std::string_view keyword_line) {
    std::string_view word = keyword_line.substr(keyword_line.empty() ? 0 : 1);
    std::size_t end = 0;
    while (end < word.size() && !is_field_separator(word[end])) ++end;
    return word.substr(0, end);
}

namespace {

const BlockRule* rule_for(const std::vector<BlockRule>& rules, std::string_view directive) {
    for (const BlockRule& rule : rules)
        if (rule.keyword == directive) return &rule;
    return nullptr;
}

}  // namespace

void walk_blocks(LineScanner& scanner, const std::vector<BlockRule>& rules, std::ostream* echo) {
    std::string directive;  // the keyword in force; none at the start
    bool has_directive = false;
    LineKind kind = scanner.read_line();
    while (kind != END_OF_INPUT) {
        if (kind == KEYWORD_LINE) {
            directive.assign(keyword_of(scanner.buffer()));
            has_directive = true;
        }
        const BlockRule* rule = has_directive ? rule_for(rules, directive) : nullptr;
        if (rule != nullptr) {
            if (rule->on_keyword_line) rule->on_keyword_line(scanner.buffer());
            while ((kind = scanner.read_line()) == DATA_LINE) rule->on_data_line(scanner.buffer());
            continue;  // end of input, or the keyword line of the next block
        }
        if (has_directive && directive == kEndOfStep) return;
        // A block that this scan does not read: pass over it line by line.
        kind = scanner.read_line();
        if (echo != nullptr && kind != END_OF_INPUT) *echo << scanner.buffer();
    }
}

}  // namespace abazenta
