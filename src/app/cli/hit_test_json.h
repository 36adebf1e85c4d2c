#pragma once
// The members of a hit test's figures (lab/hit_test_figures.h) that the JSON
// objects of 予想の検証's methods and 買い方の検証's strategies share, under
// the same keys, and the writer of the members of one object.
#include <string>
#include <string_view>

#include "lab/hit_test_figures.h"

namespace n3 {

// Appends `"key": value` members to `out`, ", " between them.
class JsonMembers {
public:
    explicit JsonMembers(std::string& out) : out_(out) {}
    void add(std::string_view key, const std::string& value);

private:
    std::string& out_;
    bool first_ = true;
};

// hits, expectedHits, ratio, z, p, pCorrected (when `corrected`), hitRate
// (when `hitRate`), wilsonLow, wilsonHigh.
void AddHitTestChanceMembers(JsonMembers& members, const HitTestFigures& f, bool corrected, bool hitRate);
// spent, won, returnRate, verdict.
void AddHitTestMoneyMembers(JsonMembers& members, const HitTestFigures& f);

}  // namespace n3
