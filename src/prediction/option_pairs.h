#pragma once
// The option-button pairs of the prediction panel: pair i of the first ten
// is flag i of the option flags (core/option_flags.h), the one the engine
// counts and line i of the settings file; the last two pairs have no flag.
#include <array>
#include <string_view>

#include "core/option_flags.h"

namespace n3 {

// The panel has two more pairs (下一桁...) that have no flag.
inline constexpr int kOptionPairCount = 12;

// The caption of the frame round option pair i of the panel.
inline constexpr std::array<std::string_view, kOptionPairCount> kOptionCaptions = {
    "■頻度分析（出現頻度分析）",
    "■間隔分析（出現間隔分析）",
    "■出現回数分析",
    "■バラツキ分析",
    "■引っ張り分析",
    "■連番・飛び石分析",
    "■数字合計分析",
    "■組合せパターン分析",
    "■4分割傾向分析",
    "■分割データ分析",
    "■下一桁出現傾向分析",
    "■下一桁連続出現回数分析",
};

// How many flags are on (0..10): the one way the options move the prediction.
int CountOptionsOn(const OptionFlags& flags);

}  // namespace n3
