// Picture layout: one scale for every layer, chosen so that the longer side fits.
#include "layout.h"

#include <algorithm>
#include <cmath>

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

}  // namespace

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

PictureLayout LayOut(const PlotModel& model, int longer_side, int legend_entries,
                     int caption_lines) {
    PictureLayout layout;
    const double side = longer_side;
    // Text and symbols shrink with the picture, but not below what stays readable.
    const double u = std::max(side / kDefaultSide, kLeastUnit);
    layout.unit = u;
    layout.line_height = kLineHeight * u;
    layout.legend_column_width = kLegendColumn * u;

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
    const double text_lines_fixed = caption_lines + 1;  // one line of space above the legend

    // The legend's rows depend on the picture's width, and the width on the scale that the
    // legend leaves: settle them in a few rounds, keeping the most rows any round needed.
    int rows = 0;
    double scale = 0;
    for (int round = 0; round < 4; ++round) {
        const double text_height = (text_lines_fixed + rows) * layout.line_height;
        const Fixed fixed{2 * kMargin * u + panels * 2 * padding,
                          2 * kMargin * u + label + 2 * padding + text_height};
        scale = std::min((side - fixed.width) / sum_width, (side - fixed.height) / most_height);
        scale = std::max(scale, 1e-300);
        const double width = fixed.width + sum_width * scale;
        const int columns =
            std::max(1, static_cast<int>((width - 2 * kMargin * u) / layout.legend_column_width));
        const int needed = (legend_entries + columns - 1) / columns;
        layout.legend_columns = columns;
        if (needed <= rows && round > 0) break;
        rows = std::max(rows, needed);
    }

    const double text_height = (text_lines_fixed + rows) * layout.line_height;
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
    const double width = x + kMargin * u;
    const double height = kMargin * u + drawing_height + text_height + kMargin * u;
    layout.width = std::max(1, static_cast<int>(std::lround(std::min(width, side))));
    layout.height = std::max(1, static_cast<int>(std::lround(std::min(height, side))));
    layout.text_top = kMargin * u + drawing_height + layout.line_height;
    layout.text_left = kMargin * u;
    return layout;
}

}  // namespace zentaplot
