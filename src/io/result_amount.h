#pragma once
// A winner count or a prize as result lists write it: "87100", "87,100",
// "87,100円", "62口"; "該当なし", "-", "―" or an empty field mean no
// figure. The text is compared after NormaliseField.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace n3 {

struct AmountRead {
    bool ok = false;                    // false: the text is no amount
    std::optional<std::int64_t> value;  // nullopt: no figure
};

AmountRead ParseResultAmount(std::string_view normalisedText);

// Why a figure read for the column `name` is too large to store (a prize
// per unit over kMaxPrizeYen, winners over kMaxWinners), or nullopt.
std::optional<std::string> AmountBoundError(const std::string& name, std::optional<std::int64_t> value, bool yen);

}  // namespace n3
