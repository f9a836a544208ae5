// The words of the picture: caption lines and legend entries.
#pragma once

#include <string>
#include <vector>

#include "faults.h"
#include "plot_model.h"

namespace zentaplot {

// "axisymmetric", "plane stress", "plane strain", or "problem type N (unknown)".
std::string ProblemTypeWords(int problem_type);

// "faults: N clockwise or zero-area elements, N slots naming no node, N unused nodes,
// N conditions naming no node".
std::string FaultLine(const FaultCounts& counts);

// The caption, one entry a line: file and form, counts and problem type, bounding box, faults.
std::vector<std::string> CaptionLines(const PlotModel& model, const FaultCounts& counts,
                                      const std::string& file_name);

// "material 2: E 7e+10, nu 0.33" for material line `number` (from 1).
std::string MaterialWords(const PlotModel& model, int number);

// The largest load of the model, in size (0 without loads).
double LargestLoad(const PlotModel& model);

// How many materials the legend lists; the others are counted in one further entry.
constexpr int kMostLegendMaterials = 16;

// The legend's entries in order: the first materials, "and N more materials" when there are
// more, then the keys of the fault marks, the fixities and the loads.
std::vector<std::string> LegendTexts(const PlotModel& model);

}  // namespace zentaplot
