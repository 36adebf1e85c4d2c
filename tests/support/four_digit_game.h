#pragma once
// A four-digit game described in the tests alone: box kinds of 24, 12, 6
// and 4 orders and no ミニ. Whatever reads the game's description must
// serve it without any other change.
#include <array>

#include "core/game.h"

namespace n3::testing {

inline constexpr std::array<int, 4> kFourDigitBoxOrders = {24, 12, 6, 4};
inline constexpr Game kFourDigits{
    .name = "四桁",
    .digits = 4,
    .sells = {true, true, true, false},
    .boxOrders = kFourDigitBoxOrders,
    .miniDigits = 0,
    .unitPriceYen = 200,
    .id = 0,
    .theoreticalStraightYen = 900000,
    .captionSuffix = "（四桁）",
};

}  // namespace n3::testing
