#include "app/cli/prediction_json.h"

#include "app/cli/grid_printer.h"

namespace n3 {

namespace {

template <class Range>
std::string JsonTextArray(const Range& texts) {
    std::string out = "[";
    bool first = true;
    for (const std::string& t : texts) {
        if (!first) out += ", ";
        first = false;
        out += JsonString(t);
    }
    return out + "]";
}

}  // namespace

std::string PredictionJsonMember(const 一発ズバリン& window) {
    const PredictionResults& results = window.engine().results();
    std::string out = "\"prediction\": {\"options\": [";
    for (int i = 0; i < kOptionFlagCount; ++i) {
        if (i) out += ", ";
        out += window.optionFlag(i) ? "true" : "false";
    }
    out += "], \"optionCount\": " + std::to_string(results.optionCount) + ", \"cycle\": [";
    bool first = true;
    for (const auto& cycle : window.engine().cycleTable()) {
        if (!first) out += ", ";
        first = false;
        out += JsonTextArray(cycle);
    }
    out += "], \"elimination\": " + JsonTextArray(results.elimination);
    out += ", \"repeat\": " + JsonTextArray(results.repeat);
    out += ", \"oneShot\": " + JsonTextArray(results.oneShot) + "}";
    return out;
}

}  // namespace n3
