// Form detection: the stricter current form first, the legacy form otherwise.
#include "model_reader.h"

#include "current_reader.h"
#include "legacy_reader.h"

namespace zentaplot {

PlotModel ReadModel(std::istream& in, const std::string& file_name) {
    try {
        return ReadCurrentModel(in, file_name);
    } catch (const NotCurrentForm&) {
        // The legacy writers indent their columns, so most legacy files depart from the
        // current layout within their first lines and the second reading costs little.
        return ReadLegacyModel(in, file_name);
    }
}

}  // namespace zentaplot
