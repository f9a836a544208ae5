// The driver: read the model, find its faults, lay out, draw, write.
#include "program.h"

#include <sys/stat.h>

#include <fstream>

#include "caption.h"
#include "drawing.h"
#include "faults.h"
#include "layout.h"
#include "messages.h"
#include "model_reader.h"
#include "picture_file.h"
#include "plot_error.h"
#include "version.h"

namespace zentaplot {

namespace {

// Opens the model for reading; only a regular file will do (not a folder, a device or a pipe).
void OpenModel(std::ifstream& in, const std::string& name) {
    struct stat info;
    if (stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode)) in.open(name, std::ios::binary);
    if (!in.is_open()) throw PlotError(Text::Format(Text::kCannotRead, name.c_str()));
}

// The picture is written only after the model is read, but it must never take the model's
// place.
void RejectSameFile(const std::string& model, const std::string& picture) {
    struct stat a, b;
    if (stat(model.c_str(), &a) == 0 && stat(picture.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
        a.st_ino == b.st_ino)
        throw PlotError(Text::Format(Text::kSameFile, picture.c_str()));
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void PlotModelFile(const PlotOptions& options, std::ostream& out) {
    std::ifstream text;
    OpenModel(text, options.model);
    RejectSameFile(options.model, options.picture);
    const PlotModel model = ReadModel(text, options.model);
    const FaultReport faults = FindFaults(model);

    PictureContent content{&model, &faults,
                           CaptionLines(model, faults.counts, BaseName(options.model)),
                           options.labels};
    const PictureLayout layout = LayOutPicture(content, options.width);
    WritePicture(options.picture, options.kind, layout.width, layout.height,
                 [&](cairo_t* cr) { DrawPicture(cr, content, layout); });
    out << FaultLine(faults.counts) << '\n';
}

int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const PlotOptions options = ParseArguments(args);
        if (options.help) {
            out << Text::kUsage;
            return 0;
        }
        if (options.version) {
            out << zenta::VersionLine("zentaplot");
            return 0;
        }
        PlotModelFile(options, out);
        return 0;
    } catch (const PlotError& e) {
        err << e.what() << '\n';
        if (e.ShowsUsage()) err << Text::kUsage;
        return 1;
    } catch (const std::bad_alloc&) {
        err << Text::kOutOfMemory << '\n';
        return 1;
    }
}

}  // namespace zentaplot
