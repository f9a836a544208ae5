// ABAQUS deck reader: turns the text of an input file into keyword blocks.
#include "deck_reader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "fields.h"
#include "messages.h"

namespace abazenta {

namespace {

// Keywords whose data lines go on after a trailing comma (elements with many nodes).
constexpr std::string_view kContinuedDataKeywords[] = {"ELEMENT"};

constexpr std::string_view kInclude = "INCLUDE";
constexpr std::string_view kEndStep = "ENDSTEP";

bool is_comment(std::string_view line) {
    return line.size() >= 2 && line[0] == '*' && line[1] == '*';
}

bool is_keyword_line(std::string_view line) {
    return !line.empty() && line[0] == '*' && !is_comment(line);
}

bool ends_with_comma(std::string_view line) {
    const std::string_view text = trim(line);
    return !text.empty() && text.back() == ',';
}

// Upper case, with every blank, tab and line end left out.
std::string squeezed_upper(std::string_view text) {
    std::string result;
    for (char c : text)
        if (!is_field_separator(c))
            result.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return result;
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// Splits a keyword line (without its "*") at the commas that stand outside double quotes.
std::vector<std::string_view> split_keyword_line(std::string_view text) {
    std::vector<std::string_view> pieces;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '"') quoted = !quoted;
        if (text[pos] == ',' && !quoted) {
            pieces.push_back(text.substr(start, pos - start));
            start = pos + 1;
        }
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// The keyword and parameters of a keyword line as read.
void parse_keyword_line(std::string_view text, Block& block) {
    const std::vector<std::string_view> pieces = split_keyword_line(text.substr(1));
    block.keyword = squeezed_upper(pieces[0]);
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        if (trim(pieces[i]).empty()) continue;
        const std::size_t equals = pieces[i].find('=');
        Parameter parameter;
        parameter.name = squeezed_upper(pieces[i].substr(0, equals));
        if (equals != std::string_view::npos)
            parameter.value = std::string(unquoted(trim(pieces[i].substr(equals + 1))));
        block.parameters.push_back(std::move(parameter));
    }
}

// How many lines the text has, at most (to make room for them at once).
std::size_t line_count(std::string_view text) {
    std::size_t count = 1;
    for (const char *p = text.data(), *end = p + text.size();
         (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))));
         ++p)
        ++count;
    return count;
}

bool continues_data_lines(std::string_view keyword) {
    return std::find(std::begin(kContinuedDataKeywords), std::end(kContinuedDataKeywords),
                     keyword) != std::end(kContinuedDataKeywords);
}

// Reads one deck: a stack of open files, the innermost last, read one line at a time.
class DeckReader {
  public:
    explicit DeckReader(const DeckSource& source) : load_include_(source.load_include) {
        files_.push_back({source.text, 0, source.folder, source.identity});
        deck_.lines.reserve(line_count(source.text));
    }

    Deck read() {
        std::string_view line;
        bool first = true;
        while (next_line(line)) {
            const bool input_first_line = first;
            first = false;
            if (is_comment(line)) continue;
            if (is_keyword_line(line)) {
                if (!read_keyword_line(line, input_first_line)) break;
            } else {
                read_data_line(line, input_first_line);
            }
        }
        close_block();
        return std::move(deck_);
    }

  private:
    struct OpenFile {
        std::string_view text;
        std::size_t pos;
        std::string folder;
        std::string identity;
    };

    // The next line of the innermost file that has one, with its line end. A file read to its
    // end is closed only here, so that after a line its file is still the innermost.
    bool next_line(std::string_view& line) {
        while (!files_.empty() && files_.back().pos >= files_.back().text.size()) files_.pop_back();
        if (files_.empty()) return false;
        OpenFile& file = files_.back();
        const std::size_t newline = file.text.find('\n', file.pos);
        const std::size_t end = newline == std::string_view::npos ? file.text.size() : newline + 1;
        line = file.text.substr(file.pos, end - file.pos);
        file.pos = end;
        return true;
    }

    // While `line` ends with a comma and the next line of its file is neither a keyword nor a
    // comment line, `line` grows to take that next line in.
    void take_continuation_lines(std::string_view& line) {
        OpenFile& file = files_.back();
        while (ends_with_comma(line) && file.pos < file.text.size() && file.text[file.pos] != '*') {
            std::string_view next;
            next_line(next);
            line = std::string_view(line.data(), line.size() + next.size());
        }
    }

    // False when reading ends here: at *END STEP, or at a file that cannot be included.
    bool read_keyword_line(std::string_view line, bool input_first_line) {
        take_continuation_lines(line);
        Block block;
        block.keyword_text = line;
        parse_keyword_line(line, block);
        if (block.keyword == kInclude) return include(block);
        if (input_first_line) deck_.first_line = FirstLine::kKeywordOfFirstBlock;
        close_block();
        block.first_line = block.end_line = deck_.lines.size();
        lines_continue_ = continues_data_lines(block.keyword);
        deck_.blocks.push_back(std::move(block));
        return deck_.blocks.back().keyword != kEndStep;
    }

    void read_data_line(std::string_view line, bool input_first_line) {
        if (deck_.blocks.empty()) {
            deck_.blocks.emplace_back();  // data lines before any keyword line
            if (input_first_line) deck_.first_line = FirstLine::kDataOfFirstBlock;
        }
        if (lines_continue_) take_continuation_lines(line);
        deck_.lines.push_back(line);
    }

    void close_block() {
        if (!deck_.blocks.empty()) deck_.blocks.back().end_line = deck_.lines.size();
    }

    // Opens the file named by an *INCLUDE line, whose lines are then read in its place.
    bool include(const Block& block) {
        const std::string* input = block.parameter("INPUT");
        const std::string name = input != nullptr ? *input : std::string();
        IncludedFile file;
        if (!load_include_ || !load_include_(name, files_.back().folder, file)) {
            deck_.stop = TranslationError(messages::included_file_unreadable(name), 1);
            return false;
        }
        for (const OpenFile& open : files_) {
            if (!file.identity.empty() && open.identity == file.identity) {
                deck_.stop = TranslationError(messages::included_file_includes_itself(name), 1);
                return false;
            }
        }
        deck_.included_texts.push_back(std::make_unique<std::string>(std::move(file.text)));
        files_.push_back(
            {*deck_.included_texts.back(), 0, std::move(file.folder), std::move(file.identity)});
        return true;
    }

    const IncludeLoader& load_include_;
    std::vector<OpenFile> files_;
    bool lines_continue_ = false;  // the data lines of the block in hand go on after a comma
    Deck deck_;
};

}  // namespace

const std::string* Block::parameter(std::string_view name) const {
    for (const Parameter& p : parameters)
        if (p.name == name) return &p.value;
    return nullptr;
}

Deck read_deck(const DeckSource& source) {
    return DeckReader(source).read();
}

std::string scanned_text(std::string_view raw) {
    std::string text;
    while (!raw.empty()) {
        const std::size_t newline = raw.find('\n');
        const std::size_t end = newline == std::string_view::npos ? raw.size() : newline + 1;
        const std::string_view physical = raw.substr(0, end);
        raw.remove_prefix(end);
        if (is_comment(physical)) continue;
        const bool keyword = is_keyword_line(physical);
        for (char c : physical) {
            if (keyword && c == ' ') continue;
            text.push_back(c == ',' ? ' ' : c);
        }
    }
    return text;
}

void echo_lines(std::string_view raw, std::ostream& out) {
    out << scanned_text(raw);
}

}  // namespace abazenta
