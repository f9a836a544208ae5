// Where everything goes in the picture: one panel per layer, side by side at one scale, and
// the legend and caption below them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "plot_model.h"

namespace zentaplot {

// Sizes in pixels of the default 1600-pixel picture that the drawing shares with the layout.
constexpr double kTextSize = 15;                     // legend and caption text
constexpr double kSwatch = 22;                       // width of a legend swatch
constexpr double kLegendTextIndent = 1.6 * kSwatch;  // from a legend entry's start to its text

// The width in pixels of a line of text drawn at `size` pixels.
using TextWidth = std::function<double(const std::string& text, double size)>;

struct Bounds {
    Point low, high;  // corners of the box around the points taken in
    bool empty = true;
    void Add(const Point& p);  // widens the box to take p in
};

Bounds BoundsOf(const Layer& layer);

struct Panel {
    Bounds bounds;     // model coordinates shown
    double left = 0;   // pixel position of bounds.low.x
    double top = 0;    // pixel position of bounds.high.y
    double width = 0;  // pixels of the box drawn around the layer (its bounds and a margin)
    double height = 0;
    double label_x = 0, label_y = 0;  // where the layer's number is written
};

struct PictureLayout {
    int width = 0;  // pixels
    int height = 0;
    double scale = 1;           // pixels per model unit, the same in x and y
    double unit = 1;            // size of one pixel of the default 1600-pixel picture
    std::vector<Panel> panels;  // one per layer
    double text_left = 0;       // pixel column where the legend and caption start
    double text_top = 0;        // pixel row where the legend starts
    double line_height = 0;     // of the legend and caption lines
    int legend_columns = 1;
    double legend_column_width = 0;
    std::vector<std::string> caption;  // the caption's lines, wrapped to the picture's width

    // The pixel position of a model point of a panel's layer (y upwards in the model).
    Point ToPixel(const Panel& panel, const Point& p) const {
        return {panel.left + (p.x - panel.bounds.low.x) * scale,
                panel.top + (panel.bounds.high.y - p.y) * scale};
    }
};

// Lays the picture out so that its longer side is `longer_side` pixels, with room for the
// legend entries and the caption lines. The picture is at least as wide as its widest legend
// entry and longest caption word need (within the longer side); caption lines wider than the
// picture are wrapped (WrapLine), so that every word is drawn whatever the model's shape.
PictureLayout LayOut(const PlotModel& model, int longer_side,
                     const std::vector<std::string>& legend,
                     const std::vector<std::string>& caption, const TextWidth& text_width);

// The line as lines of at most `width` (as `measure` measures them): a line that fits stays
// whole; another is broken at blanks, each break taking the place of one blank, and a word
// wider than `width` on its own is broken between characters. Joined again with blanks at
// the blank breaks, the lines give the line back.
std::vector<std::string> WrapLine(const std::string& line, double width,
                                  const std::function<double(const std::string&)>& measure);

}  // namespace zentaplot
