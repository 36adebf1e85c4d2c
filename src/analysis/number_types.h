#pragma once
// タイプ別分析's figures: how often each number type (シングル, ダブル …) was
// drawn over a range against its chance, where the repeated digits stood,
// and the mean straight prize of each type. Every figure reads the game's
// description, so the same code counts ナンバーズ3 and ナンバーズ4.
#include <optional>
#include <string>
#include <vector>

#include "analysis/range_coverage.h"
#include "core/number_rules.h"

namespace n3 {

struct NumberTypeRow {
    NumberType type = NumberType::Single;
    int orders = 1;            // how many numbers its digits make
    int numbers = 0;           // how many of the game's numbers are of the type
    int count = 0;             // draws of the type
    double expected = 0;       // draws × expectedShare
    double share = 0;          // count / draws; 0 without draws
    double expectedShare = 0;  // numbers / the game's numbers
    // The mean straight prize of the type's draws that have one.
    std::optional<double> meanStraightYen;
    int prizedDraws = 0;  // the draws that mean is over
};

// Where the alike digits of a type stand, e.g. ダブル "1・3" (positions 1 and
// 3 alike). Every arrangement of a type is equally likely.
struct RepeatPlaceRow {
    NumberType type = NumberType::Double;
    std::string places;  // "1・2", "1・2と3・4", "1・2・4"
    int count = 0;
    double expected = 0;
};

struct NumberTypeFigures {
    const Game* game = &kNumbers3;
    int draws = 0;  // complete draws counted
    RangeCoverage coverage;
    std::vector<NumberTypeRow> rows;           // TypesOf(game) order
    std::vector<RepeatPlaceRow> repeatPlaces;  // types with alike digits, arrangements in order
    // χ² of the type counts against their chance; none with no draws.
    std::optional<double> chi2;
    int df = 0;
    std::optional<double> p;
    std::string verdict;
};

NumberTypeFigures TallyNumberTypes(const DrawHistory& history, const ResultHistory& results, DrawRange range,
                                   const Game& game = kNumbers3);

// The arrangement of alike digits of `number` as the places text
// ("1・2と3・4"); empty when all its digits differ or all are alike.
std::string RepeatPlacesOf(int number, const Game& game = kNumbers3);

}  // namespace n3
