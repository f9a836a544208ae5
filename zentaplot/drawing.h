// Draws a model, its faults, legend and caption on a cairo context; the same drawing goes
// into a PNG image and an SVG document.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "faults.h"
#include "layout.h"
#include "plot_model.h"

namespace zentaplot {

struct Rgb {
    unsigned char r, g, b;
};

// The fixed palette: material number m gets entry (m - 1) modulo its size, so material 1 is
// the first colour. None of the entries is near the fault red.
Rgb MaterialColour(int material);
constexpr Rgb kBackground{255, 255, 255};
constexpr Rgb kFaultRed{255, 0, 0};
constexpr Rgb kEdgeColour{51, 51, 51};  // element edges: 20 % grey, used for nothing else

struct PictureContent {
    const PlotModel* model;
    const FaultReport* faults;
    std::vector<std::string> caption;
    bool labels = false;  // node and element numbers
};

// Widths of text in the drawing's font, measured on a scratch surface.
class TextMeasure {
  public:
    TextMeasure();
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // Pixels from the start of `text` drawn at `size` pixels to its end; 0 for text that cairo
    // cannot draw.
    double Width(const std::string& text, double size);

  private:
    void Reset();
    void Release();
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// The layout of the picture of `content`, its legend and caption measured in the drawing's
// font.
PictureLayout LayOutPicture(const PictureContent& content, int longer_side);

// Draws everything on `cr`, whose surface is layout.width x layout.height pixels. Each
// element that can be drawn is one path, filled and then stroked.
void DrawPicture(cairo_t* cr, const PictureContent& content, const PictureLayout& layout);

}  // namespace zentaplot
