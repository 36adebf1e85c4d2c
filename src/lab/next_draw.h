#pragma once
// 次回の抽せん: the next draw's number and date, what each prediction method
// says for it beside the backtest's verdict on that method, and for each
// ticket kind the chance to win, the average prize of the last twelve
// months and what 200 yen brings back on average.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/window_content.h"
#include "lab/backtest.h"
#include "lab/next_draw_payout.h"

namespace n3 {

struct MethodSays {
    std::string_view method;
    std::string says;   // the number of a cycle method, the digits of the others
    bool bets = false;  // false when the method has nothing to buy
    int tickets = 0;    // the numbers it buys: 1 for a cycle method, digits cubed for a set
    std::string_view verdict;
};

struct KindOdds {
    std::string kind;
    double chance = 0;                   // of winning with one ticket
    std::optional<double> averagePrize;  // yen, given a win
    int prizeDraws = 0;                  // draws the average covers
    std::optional<double> returnPer200;  // chance x average prize
    // The same over every draw with that prize known.
    std::optional<double> allTimeAverage;
    int allTimeDraws = 0;
    std::optional<double> allTimeReturnPer200;
};

struct NextDrawCard {
    const Game* game = &kNumbers3;
    // The prediction methods and the payout factors are worked out for
    // the games the prediction serves (kPredictedGames); another game's
    // card shows neither.
    bool predicted = true;
    int drawNo = 1;
    int latestDrawNo = 0;    // 0 when the history holds no complete draw
    std::string latestDate;  // empty when unknown
    bool latestDateEstimated = false;
    // By the draw schedule, counted on from the newest dated draw: always
    // a forecast （予定）. When the history ends more than a draw day before
    // today, the first draw after today, and the draws missing between.
    std::optional<std::string> date;
    int missingFrom = 0;
    int missing = 0;
    int optionCount = 0;
    std::array<MethodSays, kBacktestMethodCount> methods;
    // The backtest over the whole history.
    int backtestTargets = 0;
    int backtestFrom = 0;
    int backtestTo = 0;
    std::vector<KindOdds> kinds;
    std::string prizesFrom;  // the twelve months of results the averages cover
    std::string prizesTo;
    std::string allTimeFrom;  // the dates the all-time averages cover
    std::string allTimeTo;
    // The number typed and the numbers that pay the most and the least (配当分析).
    NextDrawPayout payout;
};

// The games whose draws the prediction methods read.
inline constexpr std::array<const Game*, 1> kPredictedGames = {&kNumbers3};
bool IsPredicted(const Game& game);

// The newest complete draw of the history; 0 when there is none.
int LatestCompleteDraw(const DrawHistory& history, const Game& game = kNumbers3);

// The kinds in order: ストレート, ボックス of each type box is sold for
// (ナンバーズ3: シングル, ダブル), セット of the same types, and ミニ where
// the game sells it. Averages over the results dated within twelve months
// of the newest dated result whose winning number (from `history`) has
// that prize; prizesFrom/prizesTo get the period.
std::vector<KindOdds> KindOddsOf(const DrawHistory& history, const ResultHistory& results,
                                 std::string* prizesFrom = nullptr, std::string* prizesTo = nullptr,
                                 std::string* allTimeFrom = nullptr, std::string* allTimeTo = nullptr,
                                 const Game& game = kNumbers3);

// The backtest's verdicts come from the run kept in `memo` when 予想の検証
// or an earlier card left one there; otherwise from a run without trace,
// which is kept in its turn.
// `today` (YYYY-MM-DD or empty) places the next draw (lab/next_draw_date.h).
NextDrawCard BuildNextDrawCard(const DrawHistory& history, const ResultHistory& results, int optionCount,
                               SnapshotMemo* memo = nullptr, std::string_view today = {}, const Game& game = kNumbers3);

}  // namespace n3
