#pragma once
// The check of one fetched result file before anything of it is stored: it
// must read as the bank's block shape (bank_result_file.h), hold the whole
// block of ナンバーズ3 (the digits and the five prize lines) followed by the
// ナンバーズ4 part, end with a line end, and name the draw its file name
// says. A busy server's HTML page, a truncated file or another draw's file
// is refused with the reason.
#include <optional>
#include <string>
#include <string_view>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

struct FetchedDraw {
    Draw draw;
    std::optional<DrawResult> result;  // the date and prizes, when any is known
    std::string reason;                // Japanese; empty when the file passed
    bool ok() const { return reason.empty(); }
};

// `bytes` as fetched (Shift_JIS or UTF-8); `drawNo` the draw of its name.
FetchedDraw CheckFetchedDrawFile(std::string_view bytes, int drawNo);

}  // namespace n3
