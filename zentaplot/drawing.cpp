// The picture: panels of layers, fault marks, symbols, legend and caption.
#include "drawing.h"

#include <algorithm>
#include <cmath>

#include "caption.h"
#include "element_shape.h"
#include "messages.h"

namespace zentaplot {

namespace {

// Light, clearly different colours, so that edges, symbols and the fault red stand out.
constexpr Rgb kPalette[] = {
    {141, 182, 230}, {153, 217, 140}, {250, 204, 115}, {191, 166, 230},
    {140, 217, 217}, {230, 217, 128}, {204, 204, 204}, {179, 140, 102},
    {115, 166, 115}, {217, 153, 217}, {128, 140, 191}, {242, 242, 153},
};
constexpr int kPaletteSize = sizeof kPalette / sizeof kPalette[0];
constexpr Rgb kFixityBlue{0, 70, 200};
constexpr Rgb kLoadGreen{0, 130, 0};
constexpr Rgb kText{0, 0, 0};
constexpr Rgb kNodeLabel{60, 60, 60};
constexpr Rgb kElementLabel{0, 0, 140};

// Sizes in pixels of the default 1600-pixel picture.
constexpr double kLayerTextSize = 17;
constexpr double kLabelSize = 12;
constexpr double kMark = 6;          // half the size of a cross, radius of a ring
constexpr double kMarkLine = 2;      // line width of the fault marks
constexpr double kDot = 3;           // radius of an unused node's dot
constexpr double kSupport = 14;      // length of a fixity triangle
constexpr double kPrescribed = 26;   // arrow of a prescribed displacement
constexpr double kLongestLoad = 60;  // arrow of the largest load
constexpr double kShortestLoad = 5;  // arrow of any load that is not 0
constexpr double kThickestEdge = 1.2;
constexpr double kThinnestEdge = 0.15;

int PaletteIndex(int material) {
    const long long m = (static_cast<long long>(material) - 1) % kPaletteSize;
    return static_cast<int>(m < 0 ? m + kPaletteSize : m);
}

void SelectTextFont(cairo_t* cr) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
}

void SetColour(cairo_t* cr, Rgb c) {
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

cairo_pattern_t* Pattern(Rgb c) {
    return cairo_pattern_create_rgb(c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

class Painter {
  public:
    Painter(cairo_t* cr, const PictureContent& content, const PictureLayout& layout)
        : cr_(cr),
          content_(content),
          model_(*content.model),
          layout_(layout),
          u_(layout.unit),
          edge_(Pattern(kEdgeColour)),
          fault_(Pattern(kFaultRed)) {
        for (int i = 0; i < kPaletteSize; ++i) fills_[i] = Pattern(kPalette[i]);
    }
    ~Painter() {
        for (cairo_pattern_t* p : fills_) cairo_pattern_destroy(p);
        cairo_pattern_destroy(edge_);
        cairo_pattern_destroy(fault_);
    }
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void Draw();

  private:
    void DrawLayer(const Panel& panel, const Layer& layer, const LayerFaults& faults);
    void DrawElements(const Panel& panel, const Layer& layer, const LayerFaults& faults);
    void DrawFaultMarks(const Panel& panel, const Layer& layer, const LayerFaults& faults);
    void DrawFixities(const Panel& panel, const Layer& layer);
    void DrawLoads(const Panel& panel, const Layer& layer);
    void DrawLabels(const Panel& panel, const Layer& layer);
    void DrawLegend();
    Point LegendPlace(int index) const;
    void LegendText(int index, const std::string& text);

    double EdgeWidth() const;
    void Cross(Point at);
    void Ring(Point at);
    void Dot(Point at, double radius);
    void SupportX(Point at);
    void SupportY(Point at);
    void Arrow(Point from, Point to);
    void Write(Point at, double size, Rgb colour, const std::string& text);

    cairo_t* cr_;
    const PictureContent& content_;
    const PlotModel& model_;
    const PictureLayout& layout_;
    double u_;
    double largest_load_ = 0;
    double edge_width_ = 1;
    // The colours of every element, made once rather than once an element.
    cairo_pattern_t* edge_;
    cairo_pattern_t* fault_;
    cairo_pattern_t* fills_[kPaletteSize];
};

void Painter::Draw() {
    SetColour(cr_, kBackground);
    cairo_paint(cr_);
    SelectTextFont(cr_);
    largest_load_ = LargestLoad(model_);
    edge_width_ = EdgeWidth();
    for (std::size_t i = 0; i < model_.layers.size(); ++i)
        DrawLayer(layout_.panels[i], model_.layers[i], content_.faults->layers[i]);
    DrawLegend();
}

// Edges a tenth of the average element's size wide, within limits: clear on a coarse mesh,
// not darkening a fine one.
double Painter::EdgeWidth() const {
    double area = 0;
    std::size_t elements = 0;
    for (std::size_t i = 0; i < model_.layers.size(); ++i) {
        const Panel& p = layout_.panels[i];
        area += (p.bounds.high.x - p.bounds.low.x) * (p.bounds.high.y - p.bounds.low.y);
        elements += model_.layers[i].elements.size();
    }
    if (elements == 0 || area <= 0) return kThickestEdge * u_;
    const double size = std::sqrt(area / static_cast<double>(elements)) * layout_.scale;
    return std::clamp(size / 10, kThinnestEdge * u_, kThickestEdge * u_);
}

void Painter::DrawLayer(const Panel& panel, const Layer& layer, const LayerFaults& faults) {
    if (model_.layered) {
        Write({panel.label_x, panel.label_y}, kLayerTextSize, kText,
              Text::Format("layer %d", layer.number));
    }
    DrawElements(panel, layer, faults);
    DrawFixities(panel, layer);
    DrawLoads(panel, layer);
    DrawFaultMarks(panel, layer, faults);
    if (content_.labels) DrawLabels(panel, layer);
}

void Painter::DrawElements(const Panel& panel, const Layer& layer, const LayerFaults& faults) {
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    for (std::size_t e = 0; e < layer.elements.size(); ++e) {
        const Element& element = layer.elements[e];
        const ElementShape shape = ShapeOf(layer, element);
        if (!shape.complete) continue;  // its cross is drawn with the fault marks
        cairo_new_path(cr_);
        for (int i = 0; i < shape.outline_count; ++i) {
            const Point p = layout_.ToPixel(panel, shape.outline[i]);
            if (i == 0)
                cairo_move_to(cr_, p.x, p.y);
            else
                cairo_line_to(cr_, p.x, p.y);
        }
        cairo_close_path(cr_);
        const bool inverted = faults.element_marks[e] & (kClockwise | kZeroArea);
        cairo_set_source(cr_, inverted ? fault_ : fills_[PaletteIndex(element.material)]);
        cairo_fill_preserve(cr_);
        cairo_set_source(cr_, inverted ? fault_ : edge_);
        cairo_set_line_width(cr_, inverted ? kMarkLine * u_ : edge_width_);
        cairo_stroke(cr_);
    }
}

void Painter::DrawFaultMarks(const Panel& panel, const Layer& layer, const LayerFaults& faults) {
    SetColour(cr_, kFaultRed);
    cairo_set_line_width(cr_, kMarkLine * u_);
    for (std::size_t e = 0; e < layer.elements.size(); ++e) {
        const std::uint8_t marks = faults.element_marks[e];
        if (!(marks & (kUnnamedSlot | kZeroArea))) continue;
        const ElementShape shape = ShapeOf(layer, layer.elements[e]);
        if (!shape.has_centre) continue;  // no corner names a node: there is no place for it
        const Point at = layout_.ToPixel(panel, shape.centre);
        if (marks & kUnnamedSlot) Cross(at);
        if (marks & kZeroArea) Ring(at);  // a flat element has no red area to be seen
    }
    for (std::size_t n = 0; n < layer.nodes.size(); ++n)
        if (faults.node_unused[n]) Dot(layout_.ToPixel(panel, layer.nodes[n].xy), kDot * u_);
}

void Painter::DrawFixities(const Panel& panel, const Layer& layer) {
    SetColour(cr_, kFixityBlue);
    cairo_set_line_width(cr_, kMarkLine * u_);
    for (const Fixity& f : layer.fixities) {
        if (f.node.node == kNoNode) continue;
        const Point at =
            layout_.ToPixel(panel, layer.nodes[static_cast<std::size_t>(f.node.node)].xy);
        const double sign = f.value < 0 ? -1 : 1;
        switch (f.code) {
            case 1:
                SupportX(at);
                break;
            case 2:
                SupportY(at);
                break;
            case 3:
                SupportX(at);
                SupportY(at);
                break;
            case 4:
                Arrow(at, {at.x + sign * kPrescribed * u_, at.y});
                break;
            case 5:
                Arrow(at, {at.x, at.y - sign * kPrescribed * u_});
                break;
            default:
                break;  // no code of the format: nothing to show
        }
    }
}

void Painter::DrawLoads(const Panel& panel, const Layer& layer) {
    if (largest_load_ <= 0) return;
    SetColour(cr_, kLoadGreen);
    cairo_set_line_width(cr_, kMarkLine * u_);
    for (const Load& load : layer.loads) {
        const double size = std::hypot(load.fx, load.fy);
        if (load.node.node == kNoNode || size <= 0) continue;
        const double length =
            std::max(kShortestLoad * u_, kLongestLoad * u_ * size / largest_load_);
        const Point at =
            layout_.ToPixel(panel, layer.nodes[static_cast<std::size_t>(load.node.node)].xy);
        Arrow(at, {at.x + length * load.fx / size, at.y - length * load.fy / size});
    }
}

void Painter::DrawLabels(const Panel& panel, const Layer& layer) {
    for (const Node& node : layer.nodes) {
        const Point at = layout_.ToPixel(panel, node.xy);
        Write({at.x + 3 * u_, at.y - 3 * u_}, kLabelSize, kNodeLabel,
              Text::Format("%d", node.number));
    }
    for (const Element& element : layer.elements) {
        const ElementShape shape = ShapeOf(layer, element);
        if (!shape.has_centre) continue;
        const Point at = layout_.ToPixel(panel, shape.centre);
        Write({at.x - 4 * u_, at.y + 4 * u_}, kLabelSize, kElementLabel,
              Text::Format("%d", element.number));
    }
}

void Painter::DrawLegend() {
    const std::vector<std::string> texts = LegendTexts(model_);
    const int materials = static_cast<int>(model_.materials.size());
    const int shown = std::min(materials, kMostLegendMaterials);
    int index = 0;
    for (int m = 1; m <= shown; ++m) {
        const Point at = LegendPlace(index);
        cairo_rectangle(cr_, at.x, at.y - 0.7 * kSwatch * u_, kSwatch * u_, 0.7 * kSwatch * u_);
        cairo_set_source(cr_, fills_[PaletteIndex(m)]);
        cairo_fill_preserve(cr_);
        SetColour(cr_, kText);
        cairo_set_line_width(cr_, u_);
        cairo_stroke(cr_);
        LegendText(index, texts[index]);
        ++index;
    }
    if (materials > shown) {
        LegendText(index, texts[index]);
        ++index;
    }

    Point at = LegendPlace(index);
    SetColour(cr_, kFaultRed);
    cairo_rectangle(cr_, at.x, at.y - 0.7 * kSwatch * u_, kSwatch * u_, 0.7 * kSwatch * u_);
    cairo_fill(cr_);
    LegendText(index, texts[index]);
    ++index;
    SetColour(cr_, kFaultRed);
    cairo_set_line_width(cr_, kMarkLine * u_);
    at = LegendPlace(index);
    Cross({at.x + 0.5 * kSwatch * u_, at.y - 0.35 * kSwatch * u_});
    LegendText(index, texts[index]);
    ++index;
    SetColour(cr_, kFaultRed);
    at = LegendPlace(index);
    Dot({at.x + 0.5 * kSwatch * u_, at.y - 0.35 * kSwatch * u_}, kDot * u_);
    LegendText(index, texts[index]);
    ++index;
    at = LegendPlace(index);
    SetColour(cr_, kFixityBlue);
    SupportY({at.x + 0.5 * kSwatch * u_, at.y - 0.7 * kSwatch * u_});
    LegendText(index, texts[index]);
    ++index;
    at = LegendPlace(index);
    SetColour(cr_, kLoadGreen);
    Arrow({at.x, at.y - 0.35 * kSwatch * u_}, {at.x + kSwatch * u_, at.y - 0.35 * kSwatch * u_});
    LegendText(index, texts[index]);
    ++index;

    const int rows = (index + layout_.legend_columns - 1) / layout_.legend_columns;
    for (std::size_t i = 0; i < layout_.caption.size(); ++i) {
        const double y =
            layout_.text_top + (rows + static_cast<double>(i) + 0.7) * layout_.line_height;
        Write({layout_.text_left, y}, kTextSize, kText, layout_.caption[i]);
    }
}

// The baseline start of legend entry `index`, filled row by row.
Point Painter::LegendPlace(int index) const {
    const int column = index % layout_.legend_columns;
    const int row = index / layout_.legend_columns;
    return {layout_.text_left + column * layout_.legend_column_width,
            layout_.text_top + (row + 0.7) * layout_.line_height};
}

void Painter::LegendText(int index, const std::string& text) {
    const Point at = LegendPlace(index);
    Write({at.x + kLegendTextIndent * u_, at.y}, kTextSize, kText, text);
}

void Painter::Cross(Point at) {
    const double d = kMark * u_;
    cairo_new_path(cr_);
    cairo_move_to(cr_, at.x - d, at.y - d);
    cairo_line_to(cr_, at.x + d, at.y + d);
    cairo_move_to(cr_, at.x - d, at.y + d);
    cairo_line_to(cr_, at.x + d, at.y - d);
    cairo_stroke(cr_);
}

void Painter::Ring(Point at) {
    cairo_new_path(cr_);
    cairo_arc(cr_, at.x, at.y, 1.5 * kMark * u_, 0, 2 * M_PI);
    cairo_stroke(cr_);
}

void Painter::Dot(Point at, double radius) {
    cairo_new_path(cr_);
    cairo_arc(cr_, at.x, at.y, radius, 0, 2 * M_PI);
    cairo_fill(cr_);
}

// A triangle left of the node, its tip on the node: x held.
void Painter::SupportX(Point at) {
    const double d = kSupport * u_;
    cairo_new_path(cr_);
    cairo_move_to(cr_, at.x, at.y);
    cairo_line_to(cr_, at.x - d, at.y - 0.6 * d);
    cairo_line_to(cr_, at.x - d, at.y + 0.6 * d);
    cairo_close_path(cr_);
    cairo_fill(cr_);
}

// A triangle below the node, its tip on the node: y held.
void Painter::SupportY(Point at) {
    const double d = kSupport * u_;
    cairo_new_path(cr_);
    cairo_move_to(cr_, at.x, at.y);
    cairo_line_to(cr_, at.x - 0.6 * d, at.y + d);
    cairo_line_to(cr_, at.x + 0.6 * d, at.y + d);
    cairo_close_path(cr_);
    cairo_fill(cr_);
}

void Painter::Arrow(Point from, Point to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0) return;
    const double head = std::min(3 * kMarkLine * u_ + 4 * u_, 0.5 * length);
    const double ux = dx / length, uy = dy / length;
    const Point base{to.x - ux * head, to.y - uy * head};
    cairo_new_path(cr_);
    cairo_move_to(cr_, from.x, from.y);
    cairo_line_to(cr_, base.x, base.y);
    cairo_stroke(cr_);
    cairo_move_to(cr_, to.x, to.y);
    cairo_line_to(cr_, base.x - uy * head * 0.5, base.y + ux * head * 0.5);
    cairo_line_to(cr_, base.x + uy * head * 0.5, base.y - ux * head * 0.5);
    cairo_close_path(cr_);
    cairo_fill(cr_);
}

void Painter::Write(Point at, double size, Rgb colour, const std::string& text) {
    SetColour(cr_, colour);
    cairo_set_font_size(cr_, size * u_);
    cairo_move_to(cr_, at.x, at.y);
    cairo_show_text(cr_, text.c_str());
    cairo_new_path(cr_);
}

}  // namespace

Rgb MaterialColour(int material) {
    return kPalette[PaletteIndex(material)];
}

TextMeasure::TextMeasure() {
    Reset();
}

TextMeasure::~TextMeasure() {
    Release();
}

double TextMeasure::Width(const std::string& text, double size) {
    cairo_set_font_size(cr_, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        // Text cairo cannot draw (not UTF-8) is left whole; drawing it fails as before.
        Release();
        Reset();
        return 0;
    }
    return std::max(extents.x_advance, extents.x_bearing + extents.width);
}

void TextMeasure::Reset() {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cr_ = cairo_create(surface_);
    SelectTextFont(cr_);
}

void TextMeasure::Release() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

PictureLayout LayOutPicture(const PictureContent& content, int longer_side) {
    TextMeasure measure;
    return LayOut(
        *content.model, longer_side, LegendTexts(*content.model), content.caption,
        [&measure](const std::string& text, double size) { return measure.Width(text, size); });
}

void DrawPicture(cairo_t* cr, const PictureContent& content, const PictureLayout& layout) {
    Painter painter(cr, content, layout);
    painter.Draw();
}

}  // namespace zentaplot
