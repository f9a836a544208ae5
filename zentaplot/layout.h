// Where everything goes in the picture: one panel per layer, side by side at one scale, and
// the legend and caption below them.
#pragma once

#include <vector>

#include "plot_model.h"

namespace zentaplot {

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

    // The pixel position of a model point of a panel's layer (y upwards in the model).
    Point ToPixel(const Panel& panel, const Point& p) const {
        return {panel.left + (p.x - panel.bounds.low.x) * scale,
                panel.top + (panel.bounds.high.y - p.y) * scale};
    }
};

// Lays the picture out so that its longer side is `longer_side` pixels, with room for
// `legend_entries` legend entries and `caption_lines` caption lines.
PictureLayout LayOut(const PlotModel& model, int longer_side, int legend_entries,
                     int caption_lines);

}  // namespace zentaplot
