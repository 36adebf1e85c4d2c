#include "app/cli/hit_test_json.h"

#include "app/cli/json_numbers.h"
#include "io/text_escape.h"

namespace n3 {

void JsonMembers::add(std::string_view key, const std::string& value) {
    if (!first_) out_ += ", ";
    first_ = false;
    out_ += "\"";
    out_ += key;
    out_ += "\": ";
    out_ += value;
}

void AddHitTestChanceMembers(JsonMembers& members, const HitTestFigures& f, bool corrected, bool hitRate) {
    members.add("hits", std::to_string(f.hits));
    members.add("expectedHits", JsonShortestNumber(f.expected));
    members.add("ratio", JsonShortestNumber(f.ratio));
    members.add("z", JsonShortestNumber(f.z));
    members.add("p", JsonShortestNumber(f.p));
    if (corrected) members.add("pCorrected", JsonShortestNumber(f.pCorrected));
    if (hitRate) members.add("hitRate", JsonShortestNumber(f.hitRate));
    members.add("wilsonLow", JsonShortestNumber(f.wilsonLow));
    members.add("wilsonHigh", JsonShortestNumber(f.wilsonHigh));
}

void AddHitTestMoneyMembers(JsonMembers& members, const HitTestFigures& f) {
    members.add("spent", JsonOptional(f.spentYen));
    members.add("won", JsonOptional(f.wonYen));
    members.add("returnRate", JsonShortestNumber(f.returnRate));
    members.add("verdict", JsonString(f.verdict));
}

}  // namespace n3
