#include "lab/next_draw_window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "analysis/payout_window.h"
#include "core/draw_schedule.h"
#include "core/estimated_date_text.h"
#include "core/number_rules.h"
#include "lab/backtest_figures.h"
#include "lab/next_draw_date.h"

namespace n3 {

namespace {

constexpr int kColumns = 7;
constexpr std::string_view kNone = "－";

std::string Printf(const char* format, double value) {
    char buf[48];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string Yen(double yen) {
    const std::string digits = std::to_string(std::llround(yen));
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
        out.push_back(digits[i]);
    }
    return out + "円";
}

std::string ChanceText(double chance) {
    // Below a tenth of a percent (ナンバーズ4's straight) with one more place.
    return "1/" + std::to_string(std::lround(1 / chance)) +
           Printf(chance * 100 < 0.095 ? "（%.2f%%）" : "（%.1f%%）", chance * 100);
}

void Note(GridModel& grid, int row, std::string_view text) {
    grid.addSpan(1, row, kColumns, 1);
    grid.setAlignment({1, row, 1, row}, HAlign::Left);
    grid.setText(1, row, text);
}

void Header(GridModel& grid, int row, std::initializer_list<std::string_view> captions) {
    int c = 1;
    for (std::string_view caption : captions) grid.setText(c++, row, caption);
    grid.setBackground({1, row, kColumns, row}, colours::HeaderPink);
    grid.setForeground({1, row, kColumns, row}, colours::Blue);
}

std::string DateLine(const NextDrawCard& card) {
    std::string line = "次回：第" + std::to_string(card.drawNo) + "回　";
    if (card.date)
        line += "抽せん日 " + *card.date + "（" + WeekdayName(*card.date) + "）" + std::string(kPlannedMark);
    else if (card.latestDrawNo == 0)
        line += "抽せん日：当選データがないためわかりません";
    else
        line += "抽せん日：抽せん日がわからないため出せません（抽せん日のわかる回がありません）";
    NextDrawDate next;
    next.missingFrom = card.missingFrom;
    next.missing = card.missing;
    if (const std::string missing = MissingDrawsText(next); !missing.empty()) line += "　" + missing + "。";
    return line;
}

// The rows WritePayout fills: none on a card without the payout factors.
int PayoutRows(const NextDrawCard& card) {
    if (!card.predicted) return 0;
    const NextDrawPayout& p = card.payout;
    int rows = 2;  // the blank row and the note
    rows += p.number ? 2 + int(p.returns.size()) : 1;
    if (!p.highest.empty()) rows += 1 + kRankedNumbers + 1;
    return rows;
}

std::string Per200(const std::optional<double>& yen) { return yen ? "約" + Yen(*yen) : std::string(kNone); }

// The number's return with its 推定倍率, and the ten highest and lowest.
void WritePayout(GridModel& grid, int row, const NextDrawCard& card) {
    if (!card.predicted) return;
    const NextDrawPayout& p = card.payout;
    ++row;
    Note(grid, row++,
         p.highest.empty() ? std::string("推定倍率（配当分析）：当せん金額のわかる回が足りないため出せません。")
                           : std::string("推定倍率（配当分析）：人気の番号は、当たっても当せん金額が下がります。"));
    if (p.number) {
        Note(grid, row++, "番号 " + NumberText(*p.number) + " の200円あたりの払戻（平均払戻×推定倍率）");
        const int head = row;
        Header(grid, row++, {"種類", "平均払戻", "推定倍率", "推定倍率つき"});
        for (const NumberReturn& r : p.returns) {
            grid.setText(1, row, r.kind);
            grid.setText(2, row, Per200(r.plainPer200));
            grid.setText(3, row, FactorText(r.shrunk));
            if (const Colour c = FactorColour(r.shrunk); c.isSet()) grid.setForeground(3, row, c);
            grid.setText(4, row, Per200(r.estimatedPer200));
            ++row;
        }
        grid.setAlignment({2, head + 1, 4, row - 1}, HAlign::Right);
        grid.gridLinesOnBlock({1, head, 4, row - 1});
    } else {
        Note(grid, row++, "番号を入れると、その番号の推定倍率つきの払戻を示します。");
    }
    if (p.highest.empty()) return;
    const int head = row;
    Header(grid, row++, {"順位", "推定倍率の高い番号", "推定倍率", "推定倍率の低い番号", "推定倍率"});
    for (int i = 0; i < kRankedNumbers; ++i, ++row) {
        grid.setText(1, row, std::to_string(i + 1) + "位");
        if (std::size_t(i) < p.highest.size()) {
            grid.setText(2, row, NumberText(p.highest[std::size_t(i)].number));
            grid.setText(3, row, FactorText(p.highest[std::size_t(i)].shrunk));
        }
        if (std::size_t(i) < p.lowest.size()) {
            grid.setText(4, row, NumberText(p.lowest[std::size_t(i)].number));
            grid.setText(5, row, FactorText(p.lowest[std::size_t(i)].shrunk));
        }
    }
    grid.setAlignment({1, head + 1, kColumns, row - 1}, HAlign::Center);
    grid.gridLinesOnBlock({1, head, kColumns, row - 1});
    Note(grid, row,
         "推定倍率の高い番号を選んでも、当たる確率はどの番号も1/"
         "1000のままです。変わるのは当たったときの当せん金額だけです。");
}

}  // namespace

WindowContent 次回の抽せん::Content(const WindowInput& input) {
    const int optionCount = int(std::count(input.optionFlags.begin(), input.optionFlags.end(), true));
    NextDrawCard card =
        BuildNextDrawCard(input.history, input.results, optionCount, input.memo, input.today, input.game);
    if (card.predicted)
        card.payout =
            NextDrawPayoutOf(*KeptPayoutFigures(input.history, input.results, input.memo), card.kinds, input.number);
    WindowContent content;
    content.grid = BuildGrid(card);
    content.details = card;
    return content;
}

std::string 次回の抽せん::ReturnText(const KindOdds& kind) {
    if (!kind.returnPer200) return std::string(kNone);
    return "平均払戻 約" + Yen(*kind.returnPer200) + Printf("（回収率%.0f%%）", *kind.returnPer200 / 2);
}

std::string 次回の抽せん::VerdictLine(const NextDrawCard& card) {
    if (card.backtestTargets == 0) return "予想の検証：検証できる回がありません。";
    std::string line = "予想の検証（第" + std::to_string(card.backtestFrom) + "回～第" +
                       std::to_string(card.backtestTo) + "回の" + std::to_string(card.backtestTargets) +
                       "回、オプション" + std::to_string(card.optionCount) + "個）：";
    std::string differing;
    for (const MethodSays& m : card.methods)
        if (m.verdict != kVerdictChance)
            differing += "　" + std::string(m.method) + "は「" + std::string(m.verdict) + "」";
    if (differing.empty())
        return line + "7つの方法すべてが「" + std::string(kVerdictChance) + "」。偶然より当たる方法はありません。";
    return line + differing.substr(3) + "。ほかは「" + std::string(kVerdictChance) + "」。";
}

GridModel 次回の抽せん::BuildGrid(const NextDrawCard& card) {
    const Game& game = *card.game;
    const int methodHead = 3;
    const int methodRows = card.predicted ? kBacktestMethodCount : 0;
    const int kindNote = methodHead + 1 + methodRows + 3;
    const int kindHead = kindNote + 1;
    const int payoutRow = kindHead + int(card.kinds.size()) + 2;
    const int rows = payoutRow + PayoutRows(card);
    GridModel grid;
    grid.setSize(kColumns, rows);
    grid.setDefaultRowHeight(14);
    grid.setColumnWidth(1, 20);
    grid.setColumnWidth(2, 16);
    grid.setColumnWidth(3, 26);
    grid.setColumnWidth(4, 10);
    grid.setColumnWidth(5, 30);
    grid.setColumnWidth(6, 18);
    grid.setColumnWidth(7, 12);
    grid.setAlignment(grid.all(), HAlign::Left);

    Note(grid, 1, DateLine(card));
    grid.setForeground(1, 1, colours::Blue);
    if (card.predicted) {
        Note(grid, 2,
             "各予想方法がこの回について言っていること（オプション" + std::to_string(card.optionCount) + "個）");
        Header(grid, methodHead, {"予想方法", "次回の予想", "買う番号", "予想の検証の判定"});
        grid.addSpan(4, methodHead, 2, 1);
    } else {
        Note(grid, 2, std::string(game.name) + "の予想方法はまだありません。当たる確率と当せん金額の平均を示します。");
    }
    for (int m = 0; m < methodRows; ++m) {
        const MethodSays& says = card.methods[std::size_t(m)];
        const int row = methodHead + 1 + m;
        grid.setText(1, row, says.method);
        grid.setText(2, row, says.says);
        std::string buys = "－";
        if (says.bets) {
            // What following the suggestion costs, one unit of each number.
            const int tickets = m < kFirstDigitSetMethod ? 1 : says.tickets;
            buys = (m < kFirstDigitSetMethod ? std::string("ストレート ") : std::string("数字の組合せ ")) +
                   std::to_string(tickets) + "口 ＝ " + Yen(double(tickets) * double(game.unitPriceYen));
        }
        grid.setText(3, row, buys);
        grid.setText(4, row, says.verdict);
        grid.addSpan(4, row, 2, 1);
        if (says.verdict != kVerdictChance) grid.setForeground(4, row, colours::Red);
    }
    const int lastMethod = methodHead + methodRows;
    if (card.predicted) {
        grid.setBackground({1, methodHead + 1, 1, lastMethod}, colours::LabelCyan);
        grid.gridLinesOnBlock({1, methodHead, kColumns, lastMethod});
    }
    Note(grid, lastMethod + 1,
         "どの番号も当たる確率は同じです（ストレートなら1/" + std::to_string(game.numberCount()) +
             "）。過去の出方は次の回を変えません。");
    if (card.predicted) Note(grid, lastMethod + 2, VerdictLine(card));

    Note(grid, kindNote,
         card.prizesFrom.empty()
             ? std::string("当せん金額：直近12か月の当選結果がないため、平均はわかりません。")
             : "当せん金額の平均：" + card.prizesFrom + "～" + card.prizesTo + "（直近12か月）の、その賞がある回。" +
                   "全期間：" + card.allTimeFrom + "～" + card.allTimeTo);
    Header(grid, kindHead,
           {"種類", "当たる確率", "平均当せん金額", "対象回数", "200円あたり", "全期間の平均", "全期間の回数"});
    for (std::size_t k = 0; k < card.kinds.size(); ++k) {
        const KindOdds& o = card.kinds[k];
        const int row = kindHead + 1 + int(k);
        grid.setText(1, row, o.kind);
        grid.setText(2, row, ChanceText(o.chance));
        grid.setText(3, row, o.averagePrize ? Yen(*o.averagePrize) : std::string(kNone));
        grid.setText(4, row, std::to_string(o.prizeDraws) + "回");
        grid.setText(5, row, ReturnText(o));
        grid.setText(6, row, o.allTimeAverage ? Yen(*o.allTimeAverage) : std::string(kNone));
        grid.setText(7, row, std::to_string(o.allTimeDraws) + "回");
    }
    const int lastKind = kindHead + int(card.kinds.size());
    grid.setAlignment({2, kindHead + 1, 4, lastKind}, HAlign::Right);
    grid.setAlignment({6, kindHead + 1, 7, lastKind}, HAlign::Right);
    grid.setBackground({1, kindHead + 1, 1, lastKind}, colours::HeaderYellow);
    grid.gridLinesOnBlock({1, kindHead, kColumns, lastKind});
    Note(grid, lastKind + 1,
         "1口" + std::to_string(game.unitPriceYen) +
             "円。平均払戻は、当たる確率×平均当せん金額です。セットは半分がストレート、半分がボックスです。");
    WritePayout(grid, payoutRow, card);
    grid.moveActiveCellToTopLeft();
    return grid;
}

}  // namespace n3
