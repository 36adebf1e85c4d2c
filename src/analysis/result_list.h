#pragma once
// 当選結果一覧: every draw of the history, newest first, with its date, its
// number in the game's digits and, for each prize the game pays, the
// winning units and the prize per unit. What is not known stays empty.
#include "core/window_content.h"

namespace n3 {

// The dates the list shows, newest draw first.
struct ResultListDates {
    struct Row {
        int drawNo = 0;
        std::string date;
        bool estimated = false;
    };
    std::vector<Row> rows;
};

class 当選結果一覧 {
public:
    static WindowContent Content(const WindowInput& input);
    static GridModel Build(const DrawHistory& history, const ResultHistory& results, const Game& game = kNumbers3);

    static constexpr int kFirstDrawRow = 3;  // two header rows

    // "87,100": the yen with thousands commas.
    static std::string Yen(std::int64_t yen);
};

}  // namespace n3
