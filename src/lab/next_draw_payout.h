#pragma once
// What 配当分析 adds to 次回の抽せん: for the number typed, the expected
// return per 200 yen with its 推定倍率 beside the plain average, and the
// ten numbers with the highest and the lowest 推定倍率. The chance stays
// 1 in 1,000 for every number; only the prize when it wins differs.
#include <optional>
#include <string>
#include <vector>

#include "analysis/payout_factors.h"

namespace n3 {

struct KindOdds;  // lab/next_draw.h

struct NumberReturn {
    std::string kind;                       // ストレート, ボックス（シングル/ダブル）, ミニ
    std::optional<double> plainPer200;      // chance × the 12-month average prize
    std::optional<double> shrunk;           // the number's 推定倍率 for the kind
    std::optional<double> estimatedPer200;  // plain × 推定倍率
};

struct RankedNumber {
    int number = 0;
    double shrunk = 0;
};

struct NextDrawPayout {
    std::optional<int> number;
    std::vector<NumberReturn> returns;  // straight, the number's box, ミニ
    std::vector<RankedNumber> highest;  // ten, highest 推定倍率 first
    std::vector<RankedNumber> lowest;   // ten, lowest first
};

inline constexpr int kRankedNumbers = 10;

NextDrawPayout NextDrawPayoutOf(const PayoutFigures& figures, const std::vector<KindOdds>& kinds,
                                std::optional<int> number);

}  // namespace n3
