#pragma once
// The check of one fetched result file before anything of it is stored: it
// must read as the bank's block shape (bank_result_file.h), hold the whole
// block of ナンバーズ3 (the digits and the five prize lines) followed by the
// whole ナンバーズ4 part (the digits and the four prize lines), end with a
// line end, and name the draw its file name says. A busy server's HTML
// page, a truncated file, another draw's file or one whose ナンバーズ4 part
// cannot be read is refused with the reason: nothing of it is stored.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

// The draw of one game that the file holds.
struct FetchedGameDraw {
    const Game* game = &kNumbers3;
    Draw draw;
    std::optional<DrawResult> result;  // the date and prizes, when any is known
};

struct FetchedDraw {
    // The first game's (ナンバーズ3) draw.
    Draw draw;
    std::optional<DrawResult> result;  // the date and prizes, when any is known
    // The draws of the other games, in kGames order.
    std::vector<FetchedGameDraw> others;
    std::string reason;  // Japanese; empty when the file passed
    bool ok() const { return reason.empty(); }
};

// `bytes` as fetched (Shift_JIS or UTF-8); `drawNo` the draw of its name.
FetchedDraw CheckFetchedDrawFile(std::string_view bytes, int drawNo);

}  // namespace n3
