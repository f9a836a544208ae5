// The caption and legend fit the picture whatever the model's shape: lines wrapped at blanks
// (and long words between characters), the picture widened for its widest legend entry, every
// word drawn inside the picture; models whose text fits keep their caption lines.
#include <cairo.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "caption.h"
#include "drawing.h"
#include "faults.h"
#include "files.h"
#include "layout.h"
#include "model_reader.h"
#include "process.h"

namespace zentaplot {
namespace {

// Ten pixels a byte: wrapping by a measure the test can count.
double TenPixelsAByte(const std::string& text) {
    return 10.0 * static_cast<double>(text.size());
}

TEST(WrapLine, BreaksAtBlanksAndLongWordsBetweenCharacters) {
    const struct {
        std::string line;
        double width;
        std::vector<std::string> lines;
    } cases[] = {
        {"short line", 100, {"short line"}},
        {"one two three four", 100, {"one two", "three four"}},
        {"abcdefghij", 40, {"abcd", "efgh", "ij"}},
        {"ab abcdefgh cd", 50, {"ab", "abcde", "fgh", "cd"}},
        {"\xc3\xa4\xc3\xa4\xc3\xa4",
         35,
         {"\xc3\xa4", "\xc3\xa4", "\xc3\xa4"}},  // never in a character
        {"a  b", 25, {"a ", "b"}},    // one blank gives way to the break, the other stays
        {"abc", 5, {"a", "b", "c"}},  // one character at least, however narrow
        {"", 5, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(WrapLine(c.line, c.width, TenPixelsAByte), c.lines);
    }
}

TEST(WrapLine, AVeryLongWordCostsNoMoreThanNLogNMeasurements) {
    const std::string word(100000, 'x');
    long long measured = 0;
    const std::vector<std::string> lines =
        WrapLine(word, 1000, [&measured](const std::string& text) {
            measured += static_cast<long long>(text.size());
            return TenPixelsAByte(text);
        });
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.back(), std::string(100, 'x'));
    EXPECT_LT(measured, 100000LL * 40);
}

std::string NonBlank(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        for (char c : line)
            if (c != ' ') text += c;
    return text;
}

// A bolt 1 wide and 40 high (axisymmetric), with a long title.
std::string Bolt() {
    std::ostringstream text;
    const int columns = 2, rows = 80;
    text << "axisymmetric bolt M12 of the flange joint, preloaded, with its thread run-out\n";
    text << (columns + 1) * (rows + 1) << ' ' << columns * rows << " 2 0\n";
    text << "1 2.1e+11 0.3\n1 7e+10 0.33\n";
    int element = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int a = r * (columns + 1) + c + 1;
            text << ++element << ' ' << 1 + c << ' ' << a << " 0 " << a + 1 << " 0 "
                 << a + columns + 2 << " 0 " << a + columns + 1 << " 0\n";
        }
    int node = 0;
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c)
            text << ++node << ' ' << 0.5 * c << ' ' << 0.5 * r << '\n';
    text << "AFIXITY\n1\n1 3 0\n";
    return text.str();
}

PlotModel Read(const std::string& text) {
    std::istringstream in(text);
    return ReadModel(in, "m.inp");
}

struct Laid {
    PictureLayout layout;
    std::vector<std::string> caption;  // before wrapping
    std::vector<std::string> legend;
};

Laid LayOutModel(const PlotModel& model, const std::string& file_name, int width) {
    const FaultReport faults = FindFaults(model);
    const PictureContent content{&model, &faults, CaptionLines(model, faults.counts, file_name)};
    return {LayOutPicture(content, width), content.caption, LegendTexts(model)};
}

TEST(TextFit, EveryWordOfATallNarrowModelIsDrawnInsideThePicture) {
    const PlotModel bolt = Read(Bolt());
    TextMeasure measure;
    for (int width : {400, 1600, 4000}) {
        for (const std::string& name : {std::string("bolt.inp"),
                                        "a_model_file_with_a_name_far_longer_than_the_picture_is_"
                                        "wide_even_at_its_largest_" +
                                            std::string(300, 'n') + ".inp"}) {
            SCOPED_TRACE(std::to_string(width) + " " + name);
            const Laid laid = LayOutModel(bolt, name, width);
            const PictureLayout& layout = laid.layout;
            EXPECT_EQ(std::max(layout.width, layout.height), width);
            if (name == "bolt.inp") {
                EXPECT_LT(layout.width, layout.height);
            }
            const double size = kTextSize * layout.unit;
            for (const std::string& line : layout.caption) {
                SCOPED_TRACE(line);
                EXPECT_LE(layout.text_left + measure.Width(line, size), layout.width);
            }
            EXPECT_EQ(NonBlank(layout.caption), NonBlank(laid.caption));
            EXPECT_GT(layout.caption.size(), laid.caption.size());  // the faults line at least
            for (std::size_t i = 0; i < laid.legend.size(); ++i) {
                const int column = static_cast<int>(i) % layout.legend_columns;
                const double start = layout.text_left + column * layout.legend_column_width +
                                     kLegendTextIndent * layout.unit;
                EXPECT_LE(start + measure.Width(laid.legend[i], size), layout.width)
                    << laid.legend[i];
            }
            // The text stays below the drawing and within the picture's height.
            const int rows = (static_cast<int>(laid.legend.size()) + layout.legend_columns - 1) /
                             layout.legend_columns;
            EXPECT_LE(layout.text_top + (rows + layout.caption.size()) * layout.line_height,
                      layout.height);
        }
    }
}

TEST(TextFit, ACaptionThatFitsKeepsItsLines) {
    const std::string data = std::string(DATA_DIR);
    for (const char* name : {"legacy_small.inp", "layered.inp", "faults.inp"}) {
        SCOPED_TRACE(name);
        const std::string text = zenta_test::readFile(data + "/" + name);
        const PlotModel model = Read(text);
        const Laid laid = LayOutModel(model, name, 1600);
        EXPECT_EQ(laid.layout.caption, laid.caption);
    }
}

// Drawn: no text runs into the picture's right edge, as the end of the faults line did.
TEST(TextFit, NoTextTouchesTheRightEdgeOfATallNarrowModelsPicture) {
    zenta_test::ScratchDir dir;
    zenta_test::writeFile(dir.file("bolt.inp"), Bolt());
    const zenta_test::RunResult run =
        zenta_test::runProgram(ZENTAPLOT_EXE, {dir.file("bolt.inp"), dir.file("bolt.png")}, "");
    ASSERT_EQ(run.status, 0);
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> png(
        cairo_image_surface_create_from_png(dir.file("bolt.png").c_str()), cairo_surface_destroy);
    ASSERT_EQ(cairo_surface_status(png.get()), CAIRO_STATUS_SUCCESS);
    const int width = cairo_image_surface_get_width(png.get());
    const int height = cairo_image_surface_get_height(png.get());
    const int stride = cairo_image_surface_get_stride(png.get());
    const unsigned char* data = cairo_image_surface_get_data(png.get());
    const PlotModel bolt = Read(Bolt());
    const PictureLayout layout = LayOutModel(bolt, "bolt.inp", 1600).layout;
    ASSERT_EQ(width, layout.width);
    int text_pixels = 0;
    for (int y = static_cast<int>(layout.text_top); y < height; ++y) {
        const unsigned char* row = data + y * stride;
        for (int x = 0; x < width; ++x) {
            const bool white = row[4 * x] == 255 && row[4 * x + 1] == 255 && row[4 * x + 2] == 255;
            if (white) continue;
            ++text_pixels;
            EXPECT_LT(x, width - 4) << "at row " << y;
        }
    }
    EXPECT_GT(text_pixels, 1000);
}

}  // namespace
}  // namespace zentaplot
