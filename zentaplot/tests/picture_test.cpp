// The program end to end: PNG pixels read back with cairo at places the layout names, SVG
// structure, the longer side, the faults line, and the error paths with what they leave on disk.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "caption.h"
#include "command_line.h"
#include "drawing.h"
#include "element_shape.h"
#include "faults.h"
#include "files.h"
#include "layout.h"
#include "messages.h"
#include "model_reader.h"
#include "process.h"

namespace zentaplot {

bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
std::ostream& operator<<(std::ostream& out, Rgb c) {
    return out << "rgb(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

namespace {

using zenta_test::readFile;
using zenta_test::runProgram;
using zenta_test::RunResult;
using zenta_test::ScratchDir;
using zenta_test::writeFile;

const std::string kNoFaults =
    "faults: 0 clockwise or zero-area elements, 0 slots naming no node, 0 unused nodes, "
    "0 conditions naming no node\n";

std::string Data(const std::string& name) {
    return std::string(DATA_DIR) + "/" + name;
}
std::string Example(const std::string& name) {
    return std::string(EXAMPLES_DIR) + "/" + name;
}

RunResult Plot(const std::vector<std::string>& args) {
    return runProgram(ZENTAPLOT_EXE, args, "");
}

PlotModel ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return ReadModel(in, path);
}

// The layout that the program computes for this model and width.
PictureLayout LayoutOf(const PlotModel& model, int width) {
    const FaultReport faults = FindFaults(model);
    const PictureContent content{&model, &faults, CaptionLines(model, faults.counts, "m")};
    return LayOutPicture(content, width);
}

// A PNG file read back through cairo.
class Png {
  public:
    explicit Png(const std::string& path)
        : surface_(cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy) {}
    bool Valid() const { return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(surface_.get()); }
    int Height() const { return cairo_image_surface_get_height(surface_.get()); }
    Rgb At(Point p) const {
        const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
        const unsigned char* row = cairo_image_surface_get_data(surface_.get()) +
                                   y * cairo_image_surface_get_stride(surface_.get());
        std::uint32_t pixel;
        std::copy(row + 4 * x, row + 4 * x + 4, reinterpret_cast<unsigned char*>(&pixel));
        return {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                static_cast<unsigned char>(pixel)};
    }

  private:
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_;
};

// Draws `model` into a PNG in `dir` and returns the pixel at the centre of each element.
struct Drawn {
    RunResult run;
    std::vector<std::vector<Rgb>> centres;  // per layer, per element
};

Drawn DrawAndReadCentres(const std::string& model_file, const ScratchDir& dir) {
    Drawn drawn;
    drawn.run = Plot({model_file, dir.file("p.png")});
    const Png png(dir.file("p.png"));
    if (!png.Valid()) return drawn;
    const PlotModel model = ReadFile(model_file);
    const PictureLayout layout = LayoutOf(model, kDefaultWidth);
    for (std::size_t l = 0; l < model.layers.size(); ++l) {
        drawn.centres.emplace_back();
        for (const Element& e : model.layers[l].elements) {
            const ElementShape shape = ShapeOf(model.layers[l], e);
            drawn.centres.back().push_back(png.At(layout.ToPixel(layout.panels[l], shape.centre)));
        }
    }
    return drawn;
}

TEST(Picture, ElementCentresShowTheirMaterialColourOrTheFaultRed) {
    const Rgb m1 = MaterialColour(1), m2 = MaterialColour(2);
    const struct {
        std::string file;
        std::vector<std::vector<Rgb>> centres;
    } cases[] = {
        {Data("legacy_small.inp"), {{m1, m2, kFaultRed}}},
        {Data("current_small.inp"), {{m1, m2}}},
        {Data("layered.inp"), {{m1}, {m2}}},
        // The third element cannot be drawn (a corner names no node): its centre has the red cross.
        {Data("faults.inp"), {{m1, kFaultRed, kFaultRed}}},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Drawn drawn = DrawAndReadCentres(c.file, dir);
        EXPECT_EQ(drawn.run.status, 0);
        EXPECT_EQ(drawn.run.err, "");
        EXPECT_EQ(drawn.centres, c.centres);
    }
}

TEST(Picture, ExampleOutputsOfTheOtherProgramsDrawEveryElementInItsMaterialColour) {
    ScratchDir dir;
    for (const char* name : {"ansys/plate.inp", "abaqus/bracket_legacy.inp",
                             "current/plate_current.inp", "current/bracket_current.inp"}) {
        SCOPED_TRACE(name);
        const Drawn drawn = DrawAndReadCentres(Example(name), dir);
        EXPECT_EQ(drawn.run.status, 0);
        EXPECT_EQ(drawn.run.out, kNoFaults);
        const PlotModel model = ReadFile(Example(name));
        ASSERT_EQ(drawn.centres.size(), 1u);
        ASSERT_EQ(drawn.centres[0].size(), 4u);
        for (std::size_t e = 0; e < 4; ++e)
            EXPECT_EQ(drawn.centres[0][e], MaterialColour(model.layers[0].elements[e].material));
    }
}

TEST(Picture, BackgroundStaysWhiteOutsideTheMesh) {
    const struct {
        std::string file;
        std::size_t layer;
        Point outside;  // model coordinates inside the layer's box but in no element
    } cases[] = {
        {Data("legacy_small.inp"), 0, {3.5, 3.0}},
        {Data("layered.inp"), 1, {1.6, 1.6}},
        {Example("abaqus/bracket_legacy.inp"), 0, {0.5, 1.5}},
        {Example("ansys/plate.inp"), 0, {0.2, 1.4}},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(Plot({c.file, dir.file("p.png")}).status, 0);
        const Png png(dir.file("p.png"));
        ASSERT_TRUE(png.Valid());
        const PictureLayout layout = LayoutOf(ReadFile(c.file), kDefaultWidth);
        EXPECT_EQ(png.At(layout.ToPixel(layout.panels[c.layer], c.outside)), kBackground);
        EXPECT_EQ(png.At({1, 1}), kBackground);
    }
}

TEST(Picture, LongerSideHasTheWidthAsked) {
    const struct {
        std::string file;
        std::vector<std::string> options;
        int longer;
    } cases[] = {
        {Data("legacy_small.inp"), {}, 1600},
        {Data("legacy_small.inp"), {"--width", "400"}, 400},
        {Data("layered.inp"), {"--width", "900", "--labels"}, 900},
        {Example("ansys/plate.inp"), {"--labels", "--width", "2500"}, 2500},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::vector<std::string> args = c.options;
        args.push_back(c.file);
        args.push_back(dir.file("p.png"));
        EXPECT_EQ(Plot(args).status, 0);
        const Png png(dir.file("p.png"));
        ASSERT_TRUE(png.Valid());
        EXPECT_EQ(std::max(png.Width(), png.Height()), c.longer);
    }
}

// True when every tag of `xml` is closed in order and there is one root element.
bool WellFormed(const std::string& xml) {
    std::vector<std::string> open;
    int roots = 0;
    for (std::size_t i = xml.find('<'); i != std::string::npos; i = xml.find('<', i)) {
        const char* close = xml.compare(i, 2, "<?") == 0     ? "?>"
                            : xml.compare(i, 4, "<!--") == 0 ? "-->"
                                                             : nullptr;
        if (close != nullptr) {
            i = xml.find(close, i);
            if (i == std::string::npos) return false;
            continue;
        }
        std::size_t end = i + 1;
        char quote = 0;
        for (; end < xml.size() && (quote != 0 || xml[end] != '>'); ++end)
            if (xml[end] == '"' || xml[end] == '\'')
                quote = quote == xml[end] ? 0 : quote ? quote : xml[end];
        if (end >= xml.size()) return false;
        const std::string tag = xml.substr(i + 1, end - i - 1);
        const std::string name = tag.substr(0, tag.find_first_of(" \t\n/", 1));
        if (tag[0] == '/') {
            if (open.empty() || "/" + open.back() != name) return false;
            open.pop_back();
        } else if (tag.back() != '/') {
            if (open.empty()) ++roots;
            open.push_back(name);
        }
        i = end;
    }
    return open.empty() && roots == 1;
}

struct PathCounts {
    int elements = 0;  // filled and stroked with the element edge colour or the fault red
    int red = 0;
};

PathCounts CountElementPaths(const std::string& svg) {
    PathCounts counts;
    for (std::size_t i = svg.find("<path"); i != std::string::npos; i = svg.find("<path", i + 1)) {
        const std::string tag = svg.substr(i, svg.find('>', i) - i);
        const bool filled = tag.find("fill:rgb(") != std::string::npos;
        const bool red = tag.find("fill:rgb(100%,0%,0%)") != std::string::npos &&
                         tag.find("stroke:rgb(100%,0%,0%)") != std::string::npos;
        if (filled && (red || tag.find("stroke:rgb(20%,20%,20%)") != std::string::npos))
            ++counts.elements;
        if (red) ++counts.red;
    }
    return counts;
}

TEST(Picture, SvgIsWellFormedWithOnePathPerElement) {
    const struct {
        std::string file;
        int elements;  // elements whose corners all name nodes
        int red;
    } cases[] = {
        {Data("legacy_small.inp"), 3, 1},
        {Data("current_small.inp"), 2, 0},
        {Data("layered.inp"), 2, 0},
        {Data("faults.inp"), 2, 1},
        {Example("ansys/plate.inp"), 4, 0},
        {Example("abaqus/bracket_legacy.inp"), 4, 0},
        {Example("current/plate_current.inp"), 4, 0},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(Plot({"--labels", c.file, dir.file("p.svg")}).status, 0);
        const std::string svg = readFile(dir.file("p.svg"));
        EXPECT_TRUE(WellFormed(svg));
        const PathCounts counts = CountElementPaths(svg);
        EXPECT_EQ(counts.elements, c.elements);
        EXPECT_EQ(counts.red, c.red);
    }
}

TEST(Program, PrintsTheFaultLineAndReturnsZeroAlsoWithFaults) {
    const struct {
        std::string file;
        std::string out;
    } cases[] = {
        {Data("current_small.inp"), kNoFaults},
        {Data("legacy_small.inp"),
         "faults: 1 clockwise or zero-area elements, 0 slots naming no node, 0 unused nodes, "
         "0 conditions naming no node\n"},
        {Data("faults.inp"),
         "faults: 1 clockwise or zero-area elements, 2 slots naming no node, 1 unused nodes, "
         "1 conditions naming no node\n"},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const RunResult r = Plot({c.file, dir.file("p.svg")});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

// "--help" and "--version" answer on standard output wherever they stand before a fault of
// the command line, and draw nothing.
TEST(Program, HelpAndVersion) {
    ScratchDir dir;
    const std::string usage = Text::kUsage;
    const std::string version = "zentaplot " PROJECT_VERSION "\n";
    const struct {
        std::vector<std::string> args;
        const std::string& out;
    } cases[] = {
        {{"--help"}, usage},
        {{"--version"}, version},
        {{"--labels", "--version", "--width", "1"}, version},
        {{Data("legacy_small.inp"), dir.file("p.svg"), "--help"}, usage},
        {{"--version", "--help"}, version},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const RunResult r = Plot(c.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
    EXPECT_NE(usage.find("\n  --version "), std::string::npos);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(Program, ErrorsGiveTheirMessageAndStatusOneAndLeaveNoPicture) {
    const std::string usage = Text::kUsage;
    const struct {
        std::vector<std::string> args;  // "@" stands for the scratch folder
        std::string err;
    } cases[] = {
        {{}, "zentaplot: a model file and a picture file expected\n" + usage},
        {{"@/m.inp"}, "zentaplot: a model file and a picture file expected\n" + usage},
        {{"@/m.inp", "@/p.png", "@/q.png"},
         "zentaplot: a model file and a picture file expected\n" + usage},
        {{"--colour", "@/m.inp", "@/p.png"}, "zentaplot: unknown option --colour\n" + usage},
        {{"@/m.inp", "@/p.png", "--width"},
         "zentaplot: --width takes a whole number from 400 to 8000\n" + usage},
        {{"--width", "399", "@/m.inp", "@/p.png"},
         "zentaplot: --width takes a whole number from 400 to 8000\n" + usage},
        {{"--width", "8001", "@/m.inp", "@/p.png"},
         "zentaplot: --width takes a whole number from 400 to 8000\n" + usage},
        {{"--width", "12x", "@/m.inp", "@/p.png"},
         "zentaplot: --width takes a whole number from 400 to 8000\n" + usage},
        {{"@/m.inp", "@/p.jpg"},
         "zentaplot: the picture must end in .png or .svg: @/p.jpg\n" + usage},
        {{"@/m.inp", "@/p.PNG"},
         "zentaplot: the picture must end in .png or .svg: @/p.PNG\n" + usage},
        {{"@/missing.inp", "@/p.png"}, "@/missing.inp: cannot be read\n"},
        {{"@", "@/p.png"}, "@: cannot be read\n"},
        {{"@/bad.inp", "@/p.png"},
         "@/bad.inp: line 2: counts line with 2 fields; 4 (single model) or 3 (layered) "
         "expected\n"},
        {{"@/cut.inp", "@/old.svg"},
         "@/cut.inp: line 5: the file ends; node line 1 of 1 expected\n"},
        {{"@/m.inp", "@/none/p.png"}, "@/none/p.png: cannot be written\n"},
        {{"@/same.png", "@/same.png"},
         "zentaplot: the picture would replace the model: @/same.png\n"},
    };
    ScratchDir dir;
    const std::string model = "t\n1 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n1 0 0\n";
    writeFile(dir.file("m.inp"), model);
    writeFile(dir.file("same.png"), model);
    writeFile(dir.file("bad.inp"), "t\n1 2\n");
    writeFile(dir.file("cut.inp"), "t\n1 1 1 1\n1 5\n1 1 1 0 1 0 1 0\n");
    writeFile(dir.file("old.svg"), "an older picture");
    const std::vector<std::string> before = dir.entries();
    auto in_dir = [&](std::string text) {
        for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at))
            text.replace(at, 1, dir.path());
        return text;
    };
    for (const auto& c : cases) {
        std::vector<std::string> args;
        for (const std::string& a : c.args) args.push_back(in_dir(a));
        SCOPED_TRACE(args.empty() ? "" : args.back());
        const RunResult r = Plot(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, in_dir(c.err));
        EXPECT_EQ(dir.entries(), before);  // no picture, no temporary file
    }
    EXPECT_EQ(readFile(dir.file("old.svg")), "an older picture");
    EXPECT_EQ(readFile(dir.file("same.png")), model);
}

}  // namespace
}  // namespace zentaplot
