#pragma once
// A winner count or a prize as result lists write it: "87100", "87,100",
// "87,100円", "62口"; "該当なし", "-", "―" or an empty field mean no
// figure. The text is compared after NormaliseField.
#include <cstdint>
#include <optional>
#include <string_view>

namespace n3 {

struct AmountRead {
    bool ok = false;                    // false: the text is no amount
    std::optional<std::int64_t> value;  // nullopt: no figure
};

AmountRead ParseResultAmount(std::string_view normalisedText);

}  // namespace n3
