#pragma once
// The class names of the windows that are not rows of the analysis window
// table. Menus, the main window, the CLI and the tests all name them here.
#include <string_view>

namespace n3::windows {

inline constexpr std::string_view kPrediction = "一発ズバリン";
inline constexpr std::string_view kEntry = "当選データ入力";
inline constexpr std::string_view kAbout = "バージョン情報";
inline constexpr std::string_view kTickets = "購入記録";

}  // namespace n3::windows
