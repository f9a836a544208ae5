// The record structure that the legacy and the current input file share: title, counts,
// materials, layers of element and node lines, and a boundary-condition part after a layer.
// What sets the two forms apart (how node lines are numbered and references looked up, how
// strictly lines are laid out) is a FormRules object handed to the walk.
#pragma once

#include <istream>
#include <string>

#include "plot_model.h"
#include "record_lines.h"

namespace zentaplot {

class FormRules {
  public:
    virtual ~FormRules() = default;
    // Called for every line read after the title line, with the line current.
    virtual void CheckLine(RecordLines& lines) = 0;
    // Called for each element and node line, `position` counting from 1 in the layer.
    virtual void CheckElementNumber(RecordLines& lines, int number, int position) = 0;
    virtual void CheckNodeNumber(RecordLines& lines, int number, int position) = 0;
    // Looks references up in the node lines of one layer.
    virtual void StartLayer() = 0;
    virtual void AddNode(int number, int index) = 0;
    // Index of the node that `ref` names, or kNoNode.
    virtual int Find(int ref, int node_count) const = 0;
};

// Reads the whole file; raises PlotError ("FILE: line N: what") on a malformed file. Rules
// may raise their own signals. `format` is recorded in the model.
PlotModel ReadDeck(std::istream& in, const std::string& file_name, FormRules& rules,
                   InputFormat format);

}  // namespace zentaplot
