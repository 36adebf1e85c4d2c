#pragma once
// The typed details a window computes beyond its views, for whoever writes
// them out (the command line's JSON). The windows that compute them live on
// higher floors: here they are only named, and held by shared pointer so
// that a copy of a window's content shares them rather than copying them.
#include <memory>
#include <variant>
#include <vector>

namespace n3 {

struct BacktestFigures;      // lab/backtest_figures.h
struct CalendarFigures;      // analysis/calendar_digits.h
struct MiniFigures;          // analysis/mini_gaps.h
struct NextDrawCard;         // lab/next_draw.h
struct NumberLookupDetails;  // analysis/number_lookup_window.h
struct NumberTypeFigures;    // analysis/number_types.h
struct PairFigures;          // analysis/digit_pairs.h
struct PayoutFigures;        // analysis/payout_factors.h
struct RandomnessTest;       // lab/randomness_tests.h
struct ResultListDates;      // analysis/result_list.h
struct StrategyTestFigures;  // lab/strategy_figures.h

using WindowDetails =
    std::variant<std::monostate, std::shared_ptr<const BacktestFigures>, std::shared_ptr<const CalendarFigures>,
                 std::shared_ptr<const MiniFigures>, std::shared_ptr<const NextDrawCard>,
                 std::shared_ptr<const NumberLookupDetails>, std::shared_ptr<const NumberTypeFigures>,
                 std::shared_ptr<const PairFigures>, std::shared_ptr<const PayoutFigures>,
                 std::shared_ptr<const std::vector<RandomnessTest>>, std::shared_ptr<const ResultListDates>,
                 std::shared_ptr<const StrategyTestFigures>>;

}  // namespace n3
