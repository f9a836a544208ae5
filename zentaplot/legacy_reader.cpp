// The legacy form: node references looked up through the ids of the layer's node lines.
#include "legacy_reader.h"

#include <unordered_map>

#include "deck_reader.h"

namespace zentaplot {

namespace {

class LegacyRules : public FormRules {
  public:
    void CheckLine(RecordLines&) override {}                     // blanks and columns are free
    void CheckElementNumber(RecordLines&, int, int) override {}  // element ids are not used
    void CheckNodeNumber(RecordLines&, int, int) override {}
    void StartLayer() override { index_of_id_.clear(); }
    void AddNode(int number, int index) override {
        if (number != 0) index_of_id_[number] = index;  // 0 keeps meaning "no node"
    }
    int Find(int ref, int) const override {
        const auto found = index_of_id_.find(ref);
        return found == index_of_id_.end() ? kNoNode : found->second;
    }

  private:
    std::unordered_map<int, int> index_of_id_;  // node id -> index of its (last) node line
};

}  // namespace

PlotModel ReadLegacyModel(std::istream& in, const std::string& file_name) {
    LegacyRules rules;
    return ReadDeck(in, file_name, rules, InputFormat::kLegacy);
}

}  // namespace zentaplot
