// Writes a picture file, PNG or SVG, through a temporary file that replaces the target only
// when the whole picture has been written.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>

namespace zentaplot {

enum class PictureKind { kPng, kSvg };

// The kind named by the file's extension (".png" or ".svg"); false for any other.
bool PictureKindOf(const std::string& name, PictureKind* kind);

// Creates a width x height surface of `kind`, lets `draw` paint on it and writes it to
// `name`. Raises PlotError when the picture cannot be drawn or written; a failed run leaves
// no new file and an existing one unchanged.
void WritePicture(const std::string& name, PictureKind kind, int width, int height,
                  const std::function<void(cairo_t*)>& draw);

}  // namespace zentaplot
