// PNG and SVG output through cairo's stream writers into a replacing file.
#include "picture_file.h"

#include <cairo-svg.h>

#include <memory>
#include <ostream>

#include "messages.h"
#include "plot_error.h"
#include "replacing_file.h"

namespace zentaplot {

namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

cairo_status_t WriteToStream(void* closure, const unsigned char* data, unsigned int length) {
    std::ostream& out = *static_cast<std::ostream*>(closure);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(length));
    return out ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

bool EndsWith(const std::string& text, const char* end) {
    const std::string tail(end);
    return text.size() > tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The drawing errors that come from writing are the file's; any other is the drawing's.
[[noreturn]] void Fail(const std::string& name, cairo_status_t status) {
    if (status == CAIRO_STATUS_WRITE_ERROR)
        throw PlotError(Text::Format(Text::kCannotWrite, name.c_str()));
    throw PlotError(Text::Format(Text::kCannotDraw, name.c_str(), cairo_status_to_string(status)));
}

void Paint(const std::string& name, cairo_surface_t* surface,
           const std::function<void(cairo_t*)>& draw) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        Fail(name, cairo_surface_status(surface));
    Context cr(cairo_create(surface));
    draw(cr.get());
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) Fail(name, cairo_status(cr.get()));
}

}  // namespace

bool PictureKindOf(const std::string& name, PictureKind* kind) {
    if (EndsWith(name, ".png")) {
        *kind = PictureKind::kPng;
        return true;
    }
    if (EndsWith(name, ".svg")) {
        *kind = PictureKind::kSvg;
        return true;
    }
    return false;
}

void WritePicture(const std::string& name, PictureKind kind, int width, int height,
                  const std::function<void(cairo_t*)>& draw) {
    zenta::ReplacingFile file;
    if (!file.Open(name)) throw PlotError(Text::Format(Text::kCannotWrite, name.c_str()));
    std::ostream& out = file.Stream();
    cairo_status_t status;
    if (kind == PictureKind::kPng) {
        Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
        Paint(name, surface.get(), draw);
        status = cairo_surface_write_to_png_stream(surface.get(), WriteToStream, &out);
    } else {
        Surface surface(cairo_svg_surface_create_for_stream(WriteToStream, &out, width, height));
        Paint(name, surface.get(), draw);
        cairo_surface_finish(surface.get());  // the document is written here
        status = cairo_surface_status(surface.get());
    }
    if (status != CAIRO_STATUS_SUCCESS) Fail(name, status);
    if (!file.Commit()) throw PlotError(Text::Format(Text::kCannotWrite, name.c_str()));
}

}  // namespace zentaplot
