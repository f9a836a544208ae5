// The current form: node references are the positions of the layer's node lines.
#include "current_reader.h"

#include <cstring>

#include "deck_reader.h"

namespace zentaplot {

namespace {

// The converter writes one blank between fields and no other blank or tab.
bool InConverterLayout(const char* line) {
    const std::size_t length = std::strlen(line);
    if (length == 0) return true;
    if (line[0] == ' ' || line[length - 1] == ' ') return false;
    if (std::strchr(line, '\t') != nullptr) return false;
    return std::strstr(line, "  ") == nullptr;
}

class CurrentRules : public FormRules {
  public:
    void CheckLine(RecordLines& lines) override {
        if (!InConverterLayout(lines.Raw())) throw NotCurrentForm();
    }
    void CheckElementNumber(RecordLines&, int number, int position) override {
        if (number != position) throw NotCurrentForm();
    }
    void CheckNodeNumber(RecordLines&, int number, int position) override {
        if (number != position) throw NotCurrentForm();
    }
    void StartLayer() override {}
    void AddNode(int, int) override {}
    int Find(int ref, int node_count) const override {
        return ref >= 1 && ref <= node_count ? ref - 1 : kNoNode;
    }
};

}  // namespace

PlotModel ReadCurrentModel(std::istream& in, const std::string& file_name) {
    CurrentRules rules;
    return ReadDeck(in, file_name, rules, InputFormat::kCurrent);
}

}  // namespace zentaplot
