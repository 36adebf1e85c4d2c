#pragma once
// Tests run once for each game (TEST_P over kGames): the case's name and a
// draw written once for both games.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/draw.h"
#include "core/game.h"
#include "make_draw.h"

namespace n3::testing {

// "Numbers3", "Numbers4": the case's name for the game.
inline std::string GameParamName(const ::testing::TestParamInfo<const Game*>& info) {
    return "Numbers" + std::to_string(info.param->id);
}

// The draw of the game with the first game.digits of `digits` ("1234" is
// 123 for ナンバーズ3, 1234 for ナンバーズ4).
inline Draw GameDraw(int drawNo, std::string_view digits, const Game& game) {
    return MakeDraw(drawNo, digits.substr(0, std::size_t(game.digits)));
}

}  // namespace n3::testing
