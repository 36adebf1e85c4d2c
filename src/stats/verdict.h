#pragma once
// The words every test ends in, in the lab and the analyses alike: a result is told from chance
// only when its corrected p-value lies below kVerdictLevel, and then by the
// sign of its z-score.
#include <optional>
#include <string_view>

namespace n3 {

inline constexpr std::string_view kVerdictChance = "偶然と区別できません";
// The word of a test of a whole table (χ²) whose corrected p-value lies
// below the level: the counts are not spread as chance spreads them.
inline constexpr std::string_view kVerdictBias = "偶然とは言いにくい偏り";
inline constexpr std::string_view kVerdictMore = "偶然より多い";
inline constexpr std::string_view kVerdictFewer = "偶然より少ない";
inline constexpr double kVerdictLevel = 0.01;

inline std::string_view VerdictOf(std::optional<double> pCorrected, std::optional<double> z) {
    if (!pCorrected || !z || *pCorrected >= kVerdictLevel) return kVerdictChance;
    return *z > 0 ? kVerdictMore : kVerdictFewer;
}

}  // namespace n3
