// The arguments of zentaplot.
#pragma once

#include <string>
#include <vector>

#include "picture_file.h"

namespace zentaplot {

constexpr int kDefaultWidth = 1600;
constexpr int kLeastWidth = 400;
constexpr int kMostWidth = 8000;  // an 8000 x 8000 image takes 256 MB

struct PlotOptions {
    bool help = false;
    bool version = false;
    std::string model;    // the input file
    std::string picture;  // the picture file
    PictureKind kind = PictureKind::kPng;
    int width = kDefaultWidth;  // pixels of the longer side
    bool labels = false;
};

// Options and the two file names in any order; "--help" or "--version" ends the examination
// where it stands. Raises PlotError with the usage shown for arguments that cannot be taken.
PlotOptions ParseArguments(const std::vector<std::string>& args);

}  // namespace zentaplot
