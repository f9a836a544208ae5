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

// Keywords whose data lines may come from the file that INPUT= names, before their own.
constexpr std::string_view kDataFileKeywords[] = {"NODE", "ELEMENT"};

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

template <std::size_t N>
bool listed(const std::string_view (&keywords)[N], std::string_view keyword) {
    return std::find(std::begin(keywords), std::end(keywords), keyword) != std::end(keywords);
}

// The line of `text` that begins at `pos` (before its end), with its line end when it has one.
std::string_view line_at(std::string_view text, std::size_t pos) {
    const char* const start = text.data() + pos;
    const std::size_t rest = text.size() - pos;
    const void* newline = std::memchr(start, '\n', rest);
    const std::size_t length =
        newline != nullptr ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) + 1
                           : rest;
    return std::string_view(start, length);
}

// `line` (a line of `text`) with the lines that continue it: while it ends with a comma, the
// next line of `text` that is not a comment line is taken in, unless it is a keyword line.
// Comment lines on the way are passed over but stay inside the view (see without_comments).
std::string_view with_continuation(std::string_view text, std::string_view line) {
    const std::size_t start = static_cast<std::size_t>(line.data() - text.data());
    std::size_t end = start + line.size();
    while (ends_with_comma(line)) {
        std::size_t next = end;
        while (next < text.size() && is_comment(line_at(text, next)))
            next += line_at(text, next).size();
        if (next >= text.size() || text[next] == '*') break;
        end = next + line_at(text, next).size();
        line = text.substr(start, end - start);
    }
    return line;
}

// A continued line without the comment lines inside it: the view itself when it holds none,
// otherwise a copy in `storage`.
std::string_view without_comments(std::string_view line, std::string& storage) {
    if (line.find("\n**") == std::string_view::npos) return line;
    storage.clear();
    for (std::size_t pos = 0; pos < line.size();) {
        const std::string_view piece = line_at(line, pos);
        if (!is_comment(piece)) storage.append(piece);
        pos += piece.size();
    }
    return storage;
}

// Reads one deck: a stack of open files, the innermost last, read one line at a time.
class DeckReader {
  public:
    DeckReader(const DeckSource& source, bool all_steps)
        : load_include_(source.load_include), all_steps_(all_steps) {
        files_.push_back({source.text, 0, source.folder, source.identity});
    }

    Deck read() {
        std::string_view line;
        bool first = true;
        while (next_line(line)) {
            const bool input_first_line = first;
            first = false;
            if (is_comment(line)) continue;
            if (is_keyword_line(line) && !files_.back().data_only) {
                if (!read_keyword_line(line, input_first_line)) break;
            } else {
                read_data_line(line, input_first_line);
            }
        }
        return std::move(deck_);
    }

  private:
    struct OpenFile {
        std::string_view text;
        std::size_t pos;
        std::string folder;
        std::string identity;
        bool data_only = false;  // every line that is not a comment is a data line
    };

    // The next line of the innermost file that has one, with its line end. A file read to its
    // end is closed only here, so that after a line its file is still the innermost.
    bool next_line(std::string_view& line) {
        while (!files_.empty() && files_.back().pos >= files_.back().text.size()) {
            files_.pop_back();
            stretch_open_ = false;
        }
        if (files_.empty()) return false;
        OpenFile& file = files_.back();
        line = line_at(file.text, file.pos);
        file.pos += line.size();
        return true;
    }

    // Takes in the lines that continue `line`, the line just read.
    void take_continuation_lines(std::string_view& line) {
        OpenFile& file = files_.back();
        line = with_continuation(file.text, line);
        file.pos = static_cast<std::size_t>(line.data() - file.text.data()) + line.size();
    }

    // False when reading ends here: at *END STEP, or at a file that cannot be included.
    bool read_keyword_line(std::string_view line, bool input_first_line) {
        take_continuation_lines(line);
        stretch_open_ = false;
        Block block;
        block.keyword_text = line;
        parse_keyword_line(without_comments(line, joined_), block);
        if (block.keyword == kInclude) return include(block);
        if (input_first_line) deck_.first_line = FirstLine::kKeywordOfFirstBlock;
        block.continued_lines = listed(kContinuedDataKeywords, block.keyword);
        const std::string* data_file =
            listed(kDataFileKeywords, block.keyword) ? block.parameter("INPUT") : nullptr;
        deck_.blocks.push_back(std::move(block));
        if (data_file != nullptr) return open_data_file(*data_file);
        return all_steps_ || deck_.blocks.back().keyword != kEndStep;
    }

    void read_data_line(std::string_view line, bool input_first_line) {
        if (deck_.blocks.empty()) {
            deck_.blocks.emplace_back();  // data lines before any keyword line
            if (input_first_line) deck_.first_line = FirstLine::kDataOfFirstBlock;
        }
        Block& block = deck_.blocks.back();
        if (block.continued_lines) take_continuation_lines(line);
        take_plain_data_lines(line, block.line_count, block.continued_lines);
        ++block.line_count;
        // The lines join the stretch that the block's last data line ended when nothing but
        // comment lines came between them in the same file.
        if (stretch_open_) {
            std::string_view& stretch = block.stretches.back();
            const std::size_t length = static_cast<std::size_t>(line.data() - stretch.data());
            stretch = std::string_view(stretch.data(), length + line.size());
        } else {
            block.stretches.push_back(line);
            stretch_open_ = true;
        }
    }

    // Takes in, after `line`, the lines that follow it in its file up to the next one that
    // begins with '*' (a keyword or comment line, or a data line of a data-only file) or, in a
    // block whose lines continue, that ends with a comma: the general loop reads those. The
    // lines taken are counted: blocks of nodes and elements are read at the cost of finding
    // their line ends.
    void take_plain_data_lines(std::string_view& line, std::size_t& count, bool continued) {
        OpenFile& file = files_.back();
        const std::size_t start = static_cast<std::size_t>(line.data() - file.text.data());
        while (file.pos < file.text.size() && file.text[file.pos] != '*') {
            const std::string_view next = line_at(file.text, file.pos);
            if (continued && ends_with_comma(next)) break;
            file.pos += next.size();
            ++count;
        }
        line = file.text.substr(start, file.pos - start);
    }

    // Opens the file named by an *INCLUDE line, whose lines are then read in its place.
    bool include(const Block& block) {
        const std::string* input = block.parameter("INPUT");
        const std::string name = input != nullptr ? *input : std::string();
        IncludedFile file;
        if (!load(name, file)) return false;
        for (const OpenFile& open : files_) {
            if (!file.identity.empty() && open.identity == file.identity) {
                deck_.stop = TranslationError(messages::included_file_includes_itself(name), 1);
                return false;
            }
        }
        push_file(std::move(file), false);
        return true;
    }

    // Opens the file named by INPUT= of a *NODE or *ELEMENT line: its lines are the block's
    // first data lines.
    bool open_data_file(const std::string& name) {
        IncludedFile file;
        if (!load(name, file)) return false;
        push_file(std::move(file), true);
        return true;
    }

    // Reads a file named in the innermost open file; false, with the stop, when it cannot.
    bool load(const std::string& name, IncludedFile& file) {
        if (load_include_ && load_include_(name, files_.back().folder, file)) return true;
        deck_.stop = TranslationError(messages::included_file_unreadable(name), 1);
        return false;
    }

    void push_file(IncludedFile&& file, bool data_only) {
        deck_.included_texts.push_back(std::make_unique<std::string>(std::move(file.text)));
        files_.push_back({*deck_.included_texts.back(), 0, std::move(file.folder),
                          std::move(file.identity), data_only});
        stretch_open_ = false;
    }

    const IncludeLoader& load_include_;
    const bool all_steps_;
    std::vector<OpenFile> files_;
    // The last stretch of the last block ends at the last line read: a data line that follows
    // in the same file, with nothing but comment lines between, joins it.
    bool stretch_open_ = false;
    std::string joined_;  // a continued keyword line without its comment lines
    Deck deck_;
};

}  // namespace

const std::string* Block::parameter(std::string_view name) const {
    for (const Parameter& p : parameters)
        if (p.name == name) return &p.value;
    return nullptr;
}

bool DataLines::at_next_line(std::string_view& text) {
    while (stretch_ < block_.stretches.size()) {
        text = block_.stretches[stretch_];
        if (pos_ >= text.size()) {
            ++stretch_;
            pos_ = 0;
        } else if (is_comment(text.substr(pos_))) {
            pos_ += line_at(text, pos_).size();
        } else {
            return true;
        }
    }
    return false;
}

bool DataLines::next(std::string_view& line) {
    std::string_view text;
    if (!at_next_line(text)) return false;
    line = line_at(text, pos_);
    if (!block_.continued_lines) {  // one line, which holds no comment line
        pos_ += line.size();
        return true;
    }
    const std::size_t physical = line.size();
    line = with_continuation(text, line);
    pos_ += line.size();
    if (line.size() != physical) line = without_comments(line, joined_);
    return true;
}

bool DataLines::next(std::string_view& line, Fields& fields) {
    if (block_.continued_lines) {
        if (!next(line)) return false;
        fields.split(line);
        return true;
    }
    std::string_view text;
    if (!at_next_line(text)) return false;
    line = fields.split_first_line(text.substr(pos_));
    pos_ += line.size();
    return true;
}

Deck read_deck(const DeckSource& source, bool all_steps) {
    return DeckReader(source, all_steps).read();
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

}  // namespace abazenta
