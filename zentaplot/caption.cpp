// Caption and legend texts.
#include "caption.h"

#include <algorithm>
#include <cmath>

#include "layout.h"
#include "messages.h"

namespace zentaplot {

namespace {

// Problem type codes, as every file of the suite writes them.
const char* const kProblemTypes[] = {"axisymmetric", "plane stress", "plane strain"};

std::string FormWords(const PlotModel& model) {
    const char* form = model.format == InputFormat::kCurrent ? "current" : "legacy";
    if (!model.layered) return Text::Format("%s input file, single model", form);
    return Text::Format("%s input file, %zu layers", form, model.layers.size());
}

std::string BoundsWords(const PlotModel& model) {
    Bounds box;
    for (const Layer& layer : model.layers)
        for (const Node& node : layer.nodes) box.Add(node.xy);
    if (box.empty) return "no nodes";
    return Text::Format("x from %g to %g, y from %g to %g", box.low.x, box.high.x, box.low.y,
                        box.high.y);
}

}  // namespace

std::string ProblemTypeWords(int problem_type) {
    if (problem_type >= 0 && problem_type < 3) return kProblemTypes[problem_type];
    return Text::Format("problem type %d (unknown)", problem_type);
}

std::string FaultLine(const FaultCounts& counts) {
    return Text::Format(
        "faults: %lld clockwise or zero-area elements, %lld slots naming no node, "
        "%lld unused nodes, %lld conditions naming no node",
        counts.inverted, counts.unnamed_slots, counts.unused_nodes, counts.unnamed_conditions);
}

std::vector<std::string> CaptionLines(const PlotModel& model, const FaultCounts& counts,
                                      const std::string& file_name) {
    std::size_t nodes = 0, elements = 0;
    for (const Layer& layer : model.layers) {
        nodes += layer.nodes.size();
        elements += layer.elements.size();
    }
    std::string heading = file_name + ": " + FormWords(model);
    if (!model.title.empty()) heading += " \"" + model.title + "\"";
    return {heading,
            Text::Format("%zu nodes, %zu elements, %zu materials, %s", nodes, elements,
                         model.materials.size(), ProblemTypeWords(model.problem_type).c_str()),
            BoundsWords(model), FaultLine(counts)};
}

std::string MaterialWords(const PlotModel& model, int number) {
    const Material& m = model.materials[static_cast<std::size_t>(number - 1)];
    return Text::Format("material %d: E %g, nu %g", number, m.modulus, m.poisson);
}

double LargestLoad(const PlotModel& model) {
    double largest = 0;
    for (const Layer& layer : model.layers)
        for (const Load& load : layer.loads)
            largest = std::max(largest, std::hypot(load.fx, load.fy));
    return largest;
}

std::vector<std::string> LegendTexts(const PlotModel& model) {
    const int materials = static_cast<int>(model.materials.size());
    const int shown = std::min(materials, kMostLegendMaterials);
    std::vector<std::string> texts;
    for (int m = 1; m <= shown; ++m) texts.push_back(MaterialWords(model, m));
    if (materials > shown)
        texts.push_back(Text::Format("and %d more materials", materials - shown));
    texts.push_back("clockwise or zero-area element");
    texts.push_back("slot naming no node");
    texts.push_back("node that no element uses");
    texts.push_back("fixity; arrow: prescribed displacement");
    texts.push_back(Text::Format("load; longest arrow %g", LargestLoad(model)));
    return texts;
}

}  // namespace zentaplot
