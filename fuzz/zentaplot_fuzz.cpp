// Fuzz target: arbitrary bytes as an input file, read in either form, checked for faults, laid
// out and drawn on a small image. A malformed file must end in PlotError; anything else
// escaping, or a crash in the drawing, is a finding.
#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "caption.h"
#include "drawing.h"
#include "faults.h"
#include "layout.h"
#include "model_reader.h"
#include "plot_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        const zentaplot::PlotModel model = zentaplot::ReadModel(in, "fuzz.inp");
        const zentaplot::FaultReport faults = zentaplot::FindFaults(model);
        const zentaplot::PictureContent content{
            &model, &faults, zentaplot::CaptionLines(model, faults.counts, "fuzz.inp"), true};
        const zentaplot::PictureLayout layout = zentaplot::LayOutPicture(content, 400);
        cairo_surface_t* surface =
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, layout.width, layout.height);
        cairo_t* cr = cairo_create(surface);
        zentaplot::DrawPicture(cr, content, layout);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    } catch (const zentaplot::PlotError& error) {
        if (std::string(error.what()).empty()) __builtin_trap();
    }
    return 0;
}
