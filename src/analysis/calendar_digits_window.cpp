#include "analysis/calendar_digits_window.h"

#include <algorithm>

#include "analysis/deviation_colour.h"
#include "analysis/figure_text.h"
#include "core/grid_rows.h"
#include "stats/chance_charts.h"
#include "stats/verdict.h"

namespace n3 {

namespace {

constexpr int kColumns = 2 + 30;  // label, draws, ten digits for each position
constexpr int kHeaderRow = 3;
constexpr int kFirstRow = 5;
constexpr Colour kDoubtRed{220, 0, 0};
constexpr Colour kGreyText{128, 128, 128};

// What the dates left out, or how many draws the tabs count.
std::string DatesLine(const CalendarFigures& f) {
    std::string line = "曜日・月を数えた回 " + GroupedNumber(f.draws) + " 回";
    std::string left;
    auto add = [&left](int count, std::string_view what) {
        if (count == 0) return;
        if (!left.empty()) left += "・";
        left += std::string(what) + " " + GroupedNumber(count) + " 回";
    };
    add(f.undated, "抽せん日のない回");
    add(f.estimated, "抽せん日が予定の回");
    add(f.badDate, "抽せん日の読めない回");
    if (!left.empty()) line += "　（" + left + "は数えていません）";
    return line;
}

std::string RowLabel(const CalendarRow& row, 曜日月別分析::Rows rows) {
    if (rows == 曜日月別分析::Rows::Weekdays) return std::string(kWeekdayNames[std::size_t(row.key)]) + "曜";
    return std::to_string(row.key) + "月";
}

bool Doubtful(const CalendarTest& t) { return t.adjustedP && *t.adjustedP < kChanceLevel; }

std::string Verdict(const CalendarTest& t) {
    if (!t.p) return "データ不足";
    return std::string(Doubtful(t) ? kVerdictBias : kVerdictChance);
}

}  // namespace

WindowContent 曜日月別分析::Content(const WindowInput& input) {
    CalendarFigures figures = TallyCalendar(input.history, input.results, input.range);
    WindowContent content;
    content.grid() = BuildGrid(figures, Rows::Weekdays);
    content.views.front().caption = "曜日";
    content.views.push_back({.caption = "月", .grid = BuildGrid(figures, Rows::Months), .charts = {}, .tables = {}});
    content.views.push_back({.caption = "検定", .grid = BuildTestGrid(figures), .charts = {}, .tables = {}});
    content.headline = Headline(figures);
    content.details = std::make_shared<const CalendarFigures>(std::move(figures));
    return content;
}

GridModel 曜日月別分析::BuildGrid(const CalendarFigures& f, Rows rows) {
    const std::vector<CalendarRow>& list = rows == Rows::Weekdays ? f.weekdays : f.months;
    GridModel grid;
    grid.setSize(kColumns, kFirstRow - 1 + std::max<int>(1, int(list.size())));
    grid.setDefaultRowHeight(13);
    grid.setDefaultColumnWidth(3.3);
    grid.setColumnWidth(1, 6);
    grid.setColumnWidth(2, 7);
    grid.textOverflow = true;
    // Every cell of both tabs is tested at once.
    const CellTest test{.cells = int(f.weekdays.size() + f.months.size()) * 30, .level = kChanceLevel};
    WriteNoteRow(grid, 1, kColumns, CoverageLine(f.coverage) + "　" + std::string(kSignalLegend));
    WriteNoteRow(grid, 2, kColumns, DatesLine(f));
    grid.setText(1, kHeaderRow, rows == Rows::Weekdays ? "曜日" : "月");
    grid.setText(2, kHeaderRow, "回数");
    grid.addSpan(1, kHeaderRow, 1, 2);
    grid.addSpan(2, kHeaderRow, 1, 2);
    for (int i = 0; i < 3; ++i) {
        const int first = 3 + i * 10;
        grid.setText(first, kHeaderRow, "第" + std::to_string(i + 1) + "数字");
        grid.addSpan(first, kHeaderRow, 10, 1);
        for (int digit = 0; digit < 10; ++digit) grid.setNumber(first + digit, kHeaderRow + 1, digit);
        grid.rightLineOnBlock({first + 9, kHeaderRow, first + 9, grid.rows()}, colours::Black);
    }
    grid.setBackground({1, kHeaderRow, kColumns, kHeaderRow + 1}, colours::HeaderPink);
    grid.setForeground({1, kHeaderRow, kColumns, kHeaderRow + 1}, colours::Blue);
    if (list.empty()) {
        // Left in its cell (it overflows into the empty ones beside it): a
        // span as the last row would put the cursor of Ctrl+End on a cell
        // wider than the window.
        grid.setAlignment({1, kFirstRow, 1, kFirstRow}, HAlign::Left);
        grid.setText(1, kFirstRow, kNoDatedDraws);
        grid.moveActiveCellToTopLeft();
        return grid;
    }
    int at = kFirstRow;
    for (const CalendarRow& row : list) {
        grid.setText(1, at, RowLabel(row, rows));
        grid.setNumber(2, at, row.draws);
        for (int i = 0; i < 3; ++i)
            for (int digit = 0; digit < 10; ++digit) {
                const int count = row.digits[std::size_t(i)][std::size_t(digit)];
                const int col = 3 + i * 10 + digit;
                grid.setNumber(col, at, count);
                if (const Colour c = SignalColour(count, row.draws, 0.1, test); c.isSet())
                    grid.setBackground(col, at, c);
            }
        ++at;
    }
    grid.setBackground({1, kFirstRow, 1, at - 1}, colours::HeaderYellow);
    grid.setAlignment({2, kFirstRow, kColumns, at - 1}, HAlign::Right);
    grid.gridLinesOnBlock({1, kHeaderRow, kColumns, at - 1});
    grid.frozenRows = kFrozenRows;
    grid.scrollBars = ScrollBars::Both;
    grid.moveActiveCellToTopLeft();
    return grid;
}

GridModel 曜日月別分析::BuildTestGrid(const CalendarFigures& f) {
    constexpr int kTestColumns = 7;
    constexpr int kHead = 2;
    GridModel grid;
    grid.setSize(kTestColumns, kHead + int(f.tests.size()));
    grid.setDefaultRowHeight(14);
    grid.setDefaultColumnWidth(9);
    grid.setColumnWidth(1, 14);
    grid.setColumnWidth(6, 20);
    grid.setColumnWidth(kTestColumns, 30);
    grid.textOverflow = true;
    WriteNoteRow(grid, 1, kTestColumns,
                 "χ²独立性の検定。補正p値＝min(1, p×検定の数)が0.01未満なら偶然とは言いにくい偏りです（対象 " +
                     GroupedNumber(f.draws) + " 回）");
    const char* headers[kTestColumns] = {"検定", "χ²", "自由度", "p値", "補正p値", "判定", "注意"};
    for (int c = 0; c < kTestColumns; ++c) grid.setText(c + 1, kHead, headers[c]);
    grid.setBackground({1, kHead, kTestColumns, kHead}, colours::HeaderPink);
    int row = kHead + 1;
    for (const CalendarTest& t : f.tests) {
        grid.setText(1, row, t.name);
        grid.setText(2, row, t.chi2 ? FixedText(*t.chi2, 2) : "—");
        grid.setText(3, row, t.df ? std::to_string(*t.df) : "—");
        grid.setText(4, row, t.p ? PValueText(*t.p) : "—");
        grid.setText(5, row, t.adjustedP ? PValueText(*t.adjustedP) : "—");
        grid.setText(6, row, Verdict(t));
        if (!t.p)
            grid.setText(7, row, "曜日・月か数字が2種類以上そろいません");
        else if (t.rough)
            grid.setText(7, row, "期待度数が5未満のますがあり、目安です");
        if (!t.p) grid.setForeground({2, row, 6, row}, kGreyText);
        if (Doubtful(t)) grid.setForeground({5, row, 6, row}, kDoubtRed);
        ++row;
    }
    grid.setBackground({1, kHead + 1, 1, row - 1}, colours::HeaderYellow);
    grid.setAlignment({1, kHead + 1, 1, row - 1}, HAlign::Left);
    grid.setAlignment({2, kHead + 1, 5, row - 1}, HAlign::Right);
    grid.setAlignment({7, kHead + 1, 7, row - 1}, HAlign::Left);
    grid.gridLinesOnBlock({1, kHead, kTestColumns, row - 1});
    grid.frozenRows = kHead;
    grid.scrollBars = ScrollBars::Both;
    grid.moveActiveCellToTopLeft();
    return grid;
}

std::string 曜日月別分析::Headline(const CalendarFigures& f) {
    if (f.draws == 0) return std::string(kNoDatedDraws);
    std::string doubtful;
    bool anyTest = false, rough = false;
    for (const CalendarTest& t : f.tests) {
        anyTest = anyTest || t.p.has_value();
        if (!Doubtful(t)) continue;
        rough = rough || t.rough;
        if (!doubtful.empty()) doubtful += "、";
        doubtful += t.name + "（補正p値 " + PValueText(*t.adjustedP) + "）";
    }
    if (!anyTest) return "曜日・月の偏りを検定するには、抽せん日のある回が2つ以上の曜日・月に必要です";
    if (doubtful.empty()) return std::string(kNoBias);
    return std::string(kVerdictBias) + "があります：" + doubtful +
           (rough ? "（期待度数5未満を含む目安の検定です）" : "");
}

}  // namespace n3
