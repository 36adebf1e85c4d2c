#pragma once
// Everything about one number over the complete draws of a range: how often
// it came as ストレート, as ボックス (its digits in any order) and as ミニ
// (its last two digits), when it last came, how long it has been away, and
// the draws where it came. Also the number box's reading of what the user typed.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/number_rules.h"
#include "core/window_content.h"

namespace n3 {

// The game's digits (000..999, 0000..9999) as typed: half- or full-width
// digits, spaces around ignored. nullopt for anything else.
std::optional<int> ParseNumberText(std::string_view text, const Game& game = kNumbers3);
// Two digits 00..99 for ミニ, read the same way.
std::optional<int> ParseMiniText(std::string_view text);

// A draw where the number came.
struct NumberHit {
    int drawNo = 0;
    std::string date;       // empty when unknown
    std::string digits;     // the draw's digits
    bool straight = false;  // the exact order; otherwise a box
    // A straight win's prize and its factor against the year's median
    // (配当分析), where the draw has a date and a prize.
    std::optional<double> prize;
    std::optional<double> factor;
};

struct NumberLookup {
    int number = 0;
    int draws = 0;        // complete draws in the range
    int firstDrawNo = 0;  // the range as found, 0 when it holds no complete draw
    int lastDrawNo = 0;

    int straightCount = 0;
    double straightExpected = 0;  // draws / the game's numbers
    std::optional<int> lastStraight;
    std::string lastStraightDate;
    std::optional<int> sinceStraight;  // complete draws in the range after it
    std::optional<double> averageGap;  // draws from one straight to the next
    std::optional<int> longestGap;

    int boxCount = 0;        // straight included
    double boxExpected = 0;  // draws x orders / the game's numbers
    std::optional<int> lastBox;
    std::string lastBoxDate;
    std::optional<int> sinceBox;

    // Only for a game that sells ミニ.
    int miniCount = 0;
    double miniExpected = 0;  // draws / the ミニ numbers
    std::optional<int> lastMini;
    std::string lastMiniDate;
    std::optional<int> sinceMini;

    std::vector<NumberHit> hits;  // straight or box, newest first
};

NumberLookup LookUpNumber(const DrawHistory& history, const ResultHistory& results, DrawRange range, int number,
                          const Game& game = kNumbers3);

}  // namespace n3
