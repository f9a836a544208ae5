// Picture layout: one scale for every layer, chosen so that the longer side fits.
#include "layout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace zentaplot {

namespace {

// Sizes in pixels of the default 1600-pixel picture; all scale with the picture.
constexpr double kDefaultSide = 1600;
constexpr double kLeastUnit = 0.6;
constexpr double kMargin = 24;        // around the whole picture
constexpr double kPanelPadding = 70;  // around each layer: room for symbols and arrows
constexpr double kLayerLabel = 28;    // above each panel of a layered file
constexpr double kLineHeight = 24;    // legend and caption lines
constexpr double kLegendColumn = 380;
// The padding and labels of many layers may take at most this part of the picture's width.
constexpr double kMostSpacingShare = 0.5;

struct Extent {
    double width = 1;  // model units, never 0
    double height = 1;
};

// The extent of each layer; a layer of no extent (one node, a line of nodes) gets a small one
// so that it still has a place.
std::vector<Extent> Extents(const std::vector<Bounds>& bounds) {
    double largest = 0;
    for (const Bounds& b : bounds) {
        if (b.empty) continue;
        largest = std::max({largest, b.high.x - b.low.x, b.high.y - b.low.y});
    }
    const double least = largest > 0 ? largest * 1e-3 : 1.0;
    std::vector<Extent> extents;
    for (const Bounds& b : bounds) {
        Extent e;
        e.width = b.empty ? least : std::max(b.high.x - b.low.x, least);
        e.height = b.empty ? least : std::max(b.high.y - b.low.y, least);
        extents.push_back(e);
    }
    return extents;
}

struct Fixed {
    double width;   // pixels of the picture's width that do not scale with the model
    double height;  // likewise of its height
};

using Measure = std::function<double(const std::string&)>;

// The index just past the UTF-8 character that starts at byte i (text is broken only there).
std::size_t NextCharacter(const std::string& text, std::size_t i) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    return i;
}

// The word in pieces of whole characters, each the longest that fits `width` (at least one
// character). Each piece is found by doubling its length and then halving the step, so that a
// very long word costs n log n measured characters, not n squared.
std::vector<std::string> BreakWord(const std::string& word, double width, const Measure& measure) {
    std::vector<std::size_t> ends;  // byte index after each character
    for (std::size_t i = 0; i < word.size(); i = NextCharacter(word, i))
        ends.push_back(NextCharacter(word, i));
    const std::size_t n = ends.size();
    std::vector<std::string> pieces;
    std::size_t taken = 0;  // characters already in pieces
    while (taken < n) {
        const std::size_t begin = taken == 0 ? 0 : ends[taken - 1];
        const auto fits = [&](std::size_t count) {  // characters taken + 1 .. count
            return measure(word.substr(begin, ends[count - 1] - begin)) <= width;
        };
        std::size_t good = taken + 1, step = 1;
        while (good + step <= n && fits(good + step)) {
            good += step;
            step *= 2;
        }
        std::size_t bad = std::min(good + step, n + 1);
        while (bad - good > 1) {
            const std::size_t middle = good + (bad - good) / 2;
            (fits(middle) ? good : bad) = middle;
        }
        pieces.push_back(word.substr(begin, ends[good - 1] - begin));
        taken = good;
    }
    if (pieces.empty()) pieces.push_back(word);
    return pieces;
}

// Calls f on every blank-separated word of every line.
template <class F>
void ForEachWord(const std::vector<std::string>& lines, F f) {
    for (const std::string& line : lines) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t blank = line.find(' ', start);
            f(line.substr(start, blank == std::string::npos ? std::string::npos : blank - start));
            if (blank == std::string::npos) break;
            start = blank + 1;
        }
    }
}

}  // namespace

std::vector<std::string> WrapLine(const std::string& line, double width, const Measure& measure) {
    if (measure(line) <= width) return {line};
    std::vector<std::string> lines;
    std::string current;
    bool open = false;  // current holds the start of a line
    ForEachWord({line}, [&](const std::string& word) {
        if (open && measure(current + ' ' + word) <= width) {
            current += ' ' + word;
            return;
        }
        if (open) lines.push_back(current);
        std::vector<std::string> pieces = BreakWord(word, width, measure);
        current = pieces.back();
        pieces.pop_back();
        lines.insert(lines.end(), pieces.begin(), pieces.end());
        open = true;
    });
    lines.push_back(current);
    return lines;
}

void Bounds::Add(const Point& p) {
    if (empty) low = high = p;
    empty = false;
    low.x = std::min(low.x, p.x);
    low.y = std::min(low.y, p.y);
    high.x = std::max(high.x, p.x);
    high.y = std::max(high.y, p.y);
}

Bounds BoundsOf(const Layer& layer) {
    Bounds b;
    for (const Node& node : layer.nodes) b.Add(node.xy);
    return b;
}

PictureLayout LayOut(const PlotModel& model, int longer_side,
                     const std::vector<std::string>& legend,
                     const std::vector<std::string>& caption, const TextWidth& text_width) {
    PictureLayout layout;
    const double side = longer_side;
    // Text and symbols shrink with the picture, but not below what stays readable.
    const double u = std::max(side / kDefaultSide, kLeastUnit);
    layout.unit = u;
    layout.line_height = kLineHeight * u;
    layout.legend_column_width = kLegendColumn * u;
    const Measure measure = [&](const std::string& text) {
        return text_width(text, kTextSize * u);
    };
    const int legend_entries = static_cast<int>(legend.size());

    // The text needs its widest legend entry and its longest caption word side by side with
    // nothing else; the picture is widened to that (within the longer side) when the model
    // would make it narrower. Longer words are broken between characters.
    double least_text = 0;
    for (const std::string& entry : legend)
        least_text = std::max(least_text, kLegendTextIndent * u + measure(entry));
    ForEachWord(caption,
                [&](const std::string& word) { least_text = std::max(least_text, measure(word)); });
    least_text = std::min(least_text, side - 2 * kMargin * u);

    std::vector<Bounds> bounds;
    for (const Layer& layer : model.layers) bounds.push_back(BoundsOf(layer));
    const std::vector<Extent> extents = Extents(bounds);
    double sum_width = 0, most_height = 0;
    for (const Extent& e : extents) {
        sum_width += e.width;
        most_height = std::max(most_height, e.height);
    }
    if (extents.empty()) sum_width = most_height = 1;

    const double panels = std::max<double>(1.0, static_cast<double>(extents.size()));
    const double label = model.layered ? kLayerLabel * u : 0;
    const double padding = std::min(kPanelPadding * u, kMostSpacingShare * side / (2 * panels));
    // The legend's rows and the caption's wrapped lines depend on the picture's width, and the
    // width on the scale that the text leaves: settle them in a few rounds, keeping the most
    // rows and lines any round needed.
    int rows = 0;
    std::size_t caption_lines = caption.size();
    double scale = 0;
    for (int round = 0; round < 4; ++round) {
        // One line of space above the legend.
        const double text_height = (caption_lines + 1 + rows) * layout.line_height;
        const Fixed fixed{2 * kMargin * u + panels * 2 * padding,
                          2 * kMargin * u + label + 2 * padding + text_height};
        scale = std::min((side - fixed.width) / sum_width, (side - fixed.height) / most_height);
        scale = std::max(scale, 1e-300);
        const double width =
            std::max(fixed.width + sum_width * scale, 2 * kMargin * u + least_text);
        const int columns =
            std::max(1, static_cast<int>((width - 2 * kMargin * u) / layout.legend_column_width));
        const int needed = (legend_entries + columns - 1) / columns;
        layout.legend_columns = columns;
        layout.caption.clear();
        for (const std::string& line : caption) {
            const std::vector<std::string> wrapped =
                WrapLine(line, std::min(width, side) - 2 * kMargin * u, measure);
            layout.caption.insert(layout.caption.end(), wrapped.begin(), wrapped.end());
        }
        if (needed <= rows && layout.caption.size() <= caption_lines && round > 0) break;
        rows = std::max(rows, needed);
        caption_lines = std::max(caption_lines, layout.caption.size());
    }

    const double text_height = (caption_lines + 1 + rows) * layout.line_height;
    const double drawing_height = label + 2 * padding + most_height * scale;
    layout.scale = scale;
    double x = kMargin * u;
    for (std::size_t i = 0; i < extents.size(); ++i) {
        Panel panel;
        panel.bounds = bounds[i];
        if (panel.bounds.empty) panel.bounds.low = panel.bounds.high = Point{};
        panel.width = extents[i].width * scale + 2 * padding;
        panel.height = extents[i].height * scale + 2 * padding;
        panel.left = x + padding;
        panel.top = kMargin * u + label + padding;
        panel.label_x = x + padding;
        panel.label_y = kMargin * u + label * 0.7;
        layout.panels.push_back(panel);
        x += panel.width;
    }
    const double width = std::max(x + kMargin * u, 2 * kMargin * u + least_text);
    const double height = kMargin * u + drawing_height + text_height + kMargin * u;
    layout.width = std::max(1, static_cast<int>(std::lround(std::min(width, side))));
    layout.height = std::max(1, static_cast<int>(std::lround(std::min(height, side))));
    layout.text_top = kMargin * u + drawing_height + layout.line_height;
    layout.text_left = kMargin * u;
    return layout;
}

}  // namespace zentaplot
