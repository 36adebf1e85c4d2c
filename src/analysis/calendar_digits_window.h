#pragma once
// 曜日・月別分析: the digits of each position by weekday (tab 曜日) and by
// month (tab 月), coloured by how far each count stands from the row's
// expectation, the six tests of independence (tab 検定) and a headline
// with their verdict. The figures are the content's details (CalendarFigures).
#include <string>

#include "analysis/calendar_digits.h"

namespace n3 {

class 曜日月別分析 {
public:
    static WindowContent Content(const WindowInput& input);

    // The rows of one tab.
    enum class Rows { Weekdays, Months };
    static GridModel BuildGrid(const CalendarFigures& figures, Rows rows);
    static GridModel BuildTestGrid(const CalendarFigures& figures);
    static std::string Headline(const CalendarFigures& figures);
    // What the window says when no counted draw has a published date.
    static constexpr std::string_view kNoDatedDraws = "抽せん日のある回がありません";
    static constexpr std::string_view kNoBias = "曜日・月による数字の偏りは偶然と区別できません";

    static constexpr int kFrozenRows = 4;
};

}  // namespace n3
