#pragma once
// The ten option flags of the prediction: for each of ten analyses, whether
// its result is reflected in the prediction. Index i is the flag the engine
// counts and line i of the settings file.
#include <array>
#include <string_view>

namespace n3 {

inline constexpr int kOptionFlagCount = 10;

using OptionFlags = std::array<bool, kOptionFlagCount>;

// The key of flag i in the settings file.
inline constexpr std::array<std::string_view, kOptionFlagCount> kOptionKeys = {
    "頻度分析Opt",       "間隔分析Opt",     "出現回数分析Opt",       "バラツキ分析Opt",  "引っ張り分析Opt",
    "連番飛び石分析Opt", "数字合計分析Opt", "組合せパターン分析Opt", "5分割傾向分析Opt", "分割データ分析Opt",
};

}  // namespace n3
