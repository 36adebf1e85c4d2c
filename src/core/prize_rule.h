#pragma once
// The rule every published draw's prizes keep: box = straight ÷ the
// number's orders, セット（ストレート） = (straight + box) ÷ 2 and
// セット（ボックス） = box ÷ 2, each rounded down to 100 yen. A typed prize
// that breaks it is most likely a slip of the finger.
#include <string>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

// What the rule says of the draw's prizes where two of them are known
// ("ボックスの当せん金額 15,000円は、ストレート 88,500円 ÷ 6 を100円未満切り捨てた
// 14,700円と違います。"), or empty when they agree or too little is known.
std::string PrizeRuleBreach(const Draw& draw, const DrawResult& result, const Game& game = kNumbers3);

// The rule in one sentence, for a question.
inline constexpr const char* kPrizeRuleText =
    "当せん金額の規則: ボックス＝ストレート÷並び数、セット（ストレート）＝（ストレート＋ボックス）÷2、"
    "セット（ボックス）＝ボックス÷2、いずれも100円未満切り捨て";

}  // namespace n3
