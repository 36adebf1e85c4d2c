#pragma once
// A window test run once per game: TEST_P on a suite of
// ::testing::TestWithParam<const Game*>, instantiated with
// ::testing::ValuesIn(kGames) and named by EachGameName (Numbers3, Numbers4).
#include <gtest/gtest.h>

#include <string>

#include "core/game.h"

namespace n3::testing {

inline std::string EachGameName(const ::testing::TestParamInfo<const Game*>& info) {
    return "Numbers" + std::to_string(info.param->id);
}

}  // namespace n3::testing
