#include "windows/window_table.h"

#include "analysis/analysis_charts.h"
#include "analysis/appearance_by_count.h"
#include "analysis/appearance_count.h"
#include "analysis/appearance_frequency.h"
#include "analysis/appearance_interval.h"
#include "analysis/calendar_digits_window.h"
#include "analysis/combination_pattern_windows.h"
#include "analysis/consecutive_stepping.h"
#include "analysis/digit_interval.h"
#include "analysis/digit_pairs_window.h"
#include "analysis/digit_sum.h"
#include "analysis/dispersion.h"
#include "analysis/draw_digit_grid.h"
#include "analysis/five_group_trend.h"
#include "analysis/group_division_windows.h"
#include "analysis/last_digit_runs.h"
#include "analysis/last_digit_trend.h"
#include "analysis/mini_window.h"
#include "analysis/number_lookup_window.h"
#include "analysis/number_types_window.h"
#include "analysis/payout_window.h"
#include "analysis/pull.h"
#include "analysis/result_list.h"
#include "lab/backtest_window.h"
#include "lab/next_draw_window.h"
#include "lab/randomness_window.h"
#include "lab/strategy_window.h"

namespace n3 {

namespace {
using enum LegendKind;
constexpr auto V = ScrollBars::Vertical;
constexpr auto H = ScrollBars::Horizontal;
constexpr auto B = ScrollBars::Both;
}  // namespace

const std::vector<AnalysisWindowInfo>& AnalysisWindowTable() {
    // clang-format off
    static const std::vector<AnalysisWindowInfo> table = {
        {.className = "出現頻度分析",
         .caption = "出現頻度分析",
         .menu = {.top = "analysisMenu", .groupName = "frequencyMenu", .groupCaption = "頻度分析(&F)", .name = "appearanceFrequency", .caption = "出現頻度分析(&H)"},
         .width = 880,
         .height = 352,
         .description = "過去の当選番号の出現回数を数字別に分析します",
         .legend = Swatch,
         .legendText = "：当選数字",
         .legendColour = colours::MarkBlue,
         .scrollBars = B,
         .frozenRows = 2,
         .build = &出現頻度分析::Build,
         .charts = &AppearanceFrequencyCharts,
         .opensAtLastRows = true,
         .games = kGames},
        {.className = "回数別出現分析",
         .caption = "回数別頻度分析",
         .menu = {.top = "analysisMenu", .groupName = "frequencyMenu", .groupCaption = "頻度分析(&F)", .name = "appearanceByCount", .caption = "回数別出現分析(&K)"},
         .width = 447,
         .height = 227,
         .description = "過去の当選番号から出現回数別の数字を分析します",
         .printButton = true,
         .scrollBars = H,
         .build = &回数別出現分析::Build,
         .games = kGames},
        {.className = "出現間隔分析",
         .caption = "出現間隔分析",
         .menu = {.top = "analysisMenu", .groupName = "intervalMenu", .groupCaption = "間隔分析(&I)", .name = "appearanceInterval", .caption = "出現間隔分析(&S)"},
         .width = 920,
         .height = 409,
         .description = "過去の当選数字が何回前に出現しているか分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 2,
         .build = &出現間隔分析::Build,
         .drawRows = {.buildInto = &出現間隔分析::BuildInto, .firstDrawRow = draw_digit_grid::kFirstDrawRow, .footerRows = 2},
         .charts = &AppearanceIntervalCharts,
         .rowsAreDraws = true,
         .games = kGames},
        {.className = "数字間隔分析",
         .caption = "数字間隔分析",
         .menu = {.top = "analysisMenu", .groupName = "intervalMenu", .groupCaption = "間隔分析(&I)", .name = "digitInterval", .caption = "数字間隔分析(&N)"},
         .width = 921,
         .height = 470,
         .description = "当選数字を第1数字～第3数字別に前回数字との数字の間隔を分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 2,
         .yieldAfterCompute = true,
         .build = &数字間隔分析::Build,
         .drawRows = {.buildInto = &数字間隔分析::BuildInto, .firstDrawRow = draw_digit_grid::kFirstDrawRow, .footerRows = 2},
         .rowsAreDraws = true,
         .games = kGames},
        {.className = "出現回数分析",
         .caption = "出現回数分析",
         .menu = {.top = "analysisMenu", .name = "appearanceCount", .caption = "出現回数分析(&C)"},
         .width = 923,
         .height = 419,
         .description = "過去の当選数字が何回出現したか分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 2,
         .build = &出現回数分析::Build,
         .rowsAreDraws = true,
         .games = kGames},
        {.className = "バラツキ分析",
         .caption = "バラツキ分析",
         .menu = {.top = "analysisMenu", .name = "dispersion", .caption = "バラツキ分析(&B)"},
         .width = 932,
         .height = 509,
         .description = "過去の当選番号のバラツキを数字別に分析します",
         .legend = Swatch,
         .legendText = "：当選数字",
         .legendColour = colours::MarkBlue,
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 2,
         .build = &バラツキ分析::Build,
         .rowsAreDraws = true,
         .games = kGames},
        {.className = "引っ張り分析",
         .caption = "引っ張り分析",
         .menu = {.top = "analysisMenu", .name = "pull", .caption = "引っ張り分析(&P)"},
         .width = 900,
         .height = 467,
         .description = "過去の当選数字に前回の数字が入っているか分析します",
         .legend = Swatch,
         .legendText = ":前回の数字",
         .legendColour = Colour{200, 255, 255},
         .scrollBars = V,
         .frozenRows = 1,
         .yieldAfterCompute = true,
         .build = &引っ張り分析::Build,
         .drawRows = {.buildInto = &引っ張り分析::BuildInto, .firstDrawRow = 引っ張り分析::kFirstDrawRow},
         .rowsAreDraws = true,
         .games = kGames},
        {.className = "連番飛び石分析",
         .caption = "連番・飛び石分析",
         .menu = {.top = "analysisMenu", .name = "consecutiveStepping", .caption = "連番・飛び石分析(&R)"},
         .width = 893,
         .height = 468,
         .description = "過去の当選番号の連続数字と一つ飛び数字の傾向を分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 1,
         .yieldAfterCompute = true,
         .build = &連番飛び石分析::Build,
         .drawRows = {.buildInto = &連番飛び石分析::BuildInto, .firstDrawRow = 連番飛び石分析::kFirstDrawRow},
         .rowsAreDraws = true,
         .helpAnchor = "連番・飛び石分析",
         .games = kGames},
        {.className = "数字合計分析",
         .caption = "数字合計分析",
         .menu = {.top = "analysisMenu", .name = "digitSum", .caption = "数字合計分析(&G)"},
         .width = 912,
         .height = 324,
         .description = "過去の当選番号の各数字の合計を分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 1,
         .build = &数字合計分析::Build,
         .drawRows = {.buildInto = &数字合計分析::BuildInto, .firstDrawRow = 数字合計分析::kFirstDrawRow},
         .charts = &DigitSumCharts,
         .rowsAreDraws = true,
         .games = kGames},
        {.className = "低数字高数字の組合せパターン分析",
         .caption = "低数字・高数字の組合せパターン分析",
         .menu = {.top = "analysisMenu", .groupName = "patternMenu", .groupCaption = "組合せパターン分析(&T)", .name = "lowHighPattern", .caption = "低数字・高数字の組合せパターン分析(&L)"},
         .width = 907,
         .height = 393,
         .description = "過去の当選番号を低数字（０～４）と高数字（５～９）に分けて組合せパターンを分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 1,
         .leavesEntryFree = true,
         .build = &低数字高数字の組合せパターン分析::Build,
         .drawRows = {.buildInto = &低数字高数字の組合せパターン分析::BuildInto, .firstDrawRow = 組合せパターン分析::kFirstDrawRow},
         .rowsAreDraws = true,
         .helpAnchor = "低数字・高数字の組合せパターン分析",
         .games = kGames},
        {.className = "偶数奇数の組合せパターン分析",
         .caption = "偶数・奇数の組合せパターン分析",
         .menu = {.top = "analysisMenu", .groupName = "patternMenu", .groupCaption = "組合せパターン分析(&T)", .name = "evenOddPattern", .caption = "偶数・奇数の組合せパターン分析(&E)"},
         .width = 907,
         .height = 393,
         .description = "過去の当選番号を偶数と奇数に分類して分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 1,
         .leavesEntryFree = true,
         .build = &偶数奇数の組合せパターン分析::Build,
         .drawRows = {.buildInto = &偶数奇数の組合せパターン分析::BuildInto, .firstDrawRow = 組合せパターン分析::kFirstDrawRow},
         .rowsAreDraws = true,
         .helpAnchor = "偶数・奇数の組合せパターン分析",
         .games = kGames},
        {.className = "分割5傾向分析",
         .caption = "5分割傾向分析",
         .menu = {.top = "analysisMenu", .name = "fiveGroupTrend", .caption = "5分割傾向分析(&5)"},
         .width = 917,
         .height = 460,
         .description = "過去の当選番号の５グループに分類して分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 1,
         .leavesEntryFree = true,
         .build = &分割5傾向分析::Build,
         .drawRows = {.buildInto = &分割5傾向分析::BuildInto, .firstDrawRow = 分割5傾向分析::kFirstDrawRow},
         .rowsAreDraws = true,
         .helpAnchor = "5分割傾向分析",
         .games = kGames},
        {.className = "分割3データ分析",
         .caption = "3分割データ分析",
         .menu = {.top = "analysisMenu", .groupName = "divisionMenu", .groupCaption = "分割データ分析(&D)", .name = "division3", .caption = "3分割データ分析(&3)"},
         .width = 827,
         .height = 820,
         .description = "過去の当選番号の第１～３数字をＡ～Ｃの３グループに分類して分析します",
         .legend = BlueBall,
         .legendText = "：当選数字",
         .scrollBars = B,
         .frozenRows = 3,
         .build = &分割3データ分析::Build,
         .drawRows = {.buildInto = &分割3データ分析::BuildInto, .firstDrawRow = group_grid::kFirstDrawRow},
         .rowsAreDraws = true,
         .helpAnchor = "3分割データ分析",
         .games = kGames},
        {.className = "分割5データ分析",
         .caption = "5分割データ分析",
         .menu = {.top = "analysisMenu", .groupName = "divisionMenu", .groupCaption = "分割データ分析(&D)", .name = "division5", .caption = "5分割データ分析(&5)"},
         .width = 827,
         .height = 820,
         .description = "過去の当選番号の第１～３数字をＡ～Ｅの５グループに分類して分析します",
         .legend = BlueBall,
         .legendText = "：当選数字",
         .scrollBars = B,
         .frozenRows = 3,
         .build = &分割5データ分析::Build,
         .drawRows = {.buildInto = &分割5データ分析::BuildInto, .firstDrawRow = group_grid::kFirstDrawRow},
         .rowsAreDraws = true,
         .helpAnchor = "5分割データ分析",
         .games = kGames},
        {.className = "分割10データ分析",
         .caption = "10分割データ分析",
         .menu = {.top = "analysisMenu", .groupName = "divisionMenu", .groupCaption = "分割データ分析(&D)", .name = "division10", .caption = "10分割データ分析(&1)"},
         .width = 827,
         .height = 820,
         .description = "過去の当選番号の第１～３数字をＡ～Ｊの１０グループに分類して分析します",
         .legend = BlueBall,
         .legendText = "：当選数字",
         .scrollBars = B,
         .frozenRows = 3,
         .build = &分割10データ分析::Build,
         .drawRows = {.buildInto = &分割10データ分析::BuildInto, .firstDrawRow = group_grid::kFirstDrawRow},
         .rowsAreDraws = true,
         .helpAnchor = "10分割データ分析",
         .games = kGames},
        {.className = "下一桁出現傾向分析",
         .caption = "下一桁出現傾向分析",
         .menu = {.top = "analysisMenu", .name = "lastDigitTrend", .caption = "下一桁出現傾向分析(&A)"},
         .width = 932,
         .height = 491,
         .description = "過去の当選番号の下一桁の数字の出現傾向を分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 2,
         .build = &下一桁出現傾向分析::Build,
         .rowsAreDraws = true,
         .games = kGames},
        {.className = "下一桁連続出現回数分析",
         .caption = "下一桁連続出現回数分析",
         .menu = {.top = "analysisMenu", .name = "lastDigitRuns", .caption = "下一桁連続出現回数分析(&Z)"},
         .width = 929,
         .height = 491,
         .description = "過去の当選番号の下一桁数字が何回続けて出現しているか分析します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 2,
         .build = &下一桁連続出現回数分析::Build,
         .rowsAreDraws = true,
         .games = kGames},
        {.className = "数字検索",
         .caption = "数字検索",
         .menu = {.top = "analysisMenu", .name = "numberLookup", .caption = "数字検索(&N)"},
         .width = 880,
         .height = 560,
         .description = "番号を入れると、その番号がストレート・ボックス・ミニで何回、いつ出たかを調べます",
         .printButton = true,
         .scrollBars = V,
         .content = &数字検索::Content,
         .hasRangeControls = true,
         .numberBox = true,
         .games = kGames},
        {.className = "曜日月別分析",
         .caption = "曜日・月別分析",
         .menu = {.top = "analysisMenu", .name = "calendarDigits", .caption = "曜日・月別分析(&Y)"},
         .width = 1067,
         .height = 440,
         .description = "第1～第3数字の出方を抽せん日の曜日別・月別に数え、偶然と区別できる偏りかを検定します（色：偶然の範囲を超えて多い＝赤、少ない＝青）",
         .printButton = true,
         .scrollBars = B,
         .frozenRows = 曜日月別分析::kFrozenRows,
         .content = &曜日月別分析::Content,
         .hasRangeControls = true,
         .helpAnchor = "曜日・月別分析"},
        {.className = "ミニ分析",
         .caption = "ミニ分析",
         .menu = {.top = "analysisMenu", .name = "miniGaps", .caption = "ミニ分析(&M)"},
         .width = 733,
         .height = 560,
         .description = "下2桁（ミニ）00～99の出現回数と、最後に出てからの回数（ブランク）・最長ブランクを分析します（色：偶然の範囲を超えて多い＝赤、少ない＝青）",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = ミニ分析::kFrozenRows,
         .content = &ミニ分析::Content,
         .hasRangeControls = true},
        {.className = "ペア分析",
         .caption = "ペア分析",
         .menu = {.top = "analysisMenu", .name = "digitPairs", .caption = "ペア分析(&W)"},
         .width = 707,
         .height = 560,
         .description = "2つの位置の数字の組（ペア）が何回出たかを10×10の表にし、偶然と区別できる偏りかを検定します（色：偶然の範囲を超えて多い＝赤、少ない＝青）",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = ペア分析::kFrozenRows,
         .content = &ペア分析::Content,
         .hasRangeControls = true},
        {.className = "次回の抽せん",
         .caption = "次回の抽せん",
         .menu = {.top = "predictionMenu", .name = "nextDraw", .caption = "次回の抽せん(&N)"},
         .width = 880,
         .height = 600,
         .description = "次の回の抽せん日、各予想方法の予想とその検証、券の種類ごとの当たる確率と平均の払戻を示します",
         .printButton = true,
         .scrollBars = V,
         .content = &次回の抽せん::Content,
         .usesOptionFlags = true,
         .ticketBox = true,
         .games = kGames},
        {.className = "予想の検証",
         .caption = "予想の検証",
         .menu = {.top = "verifyMenu", .name = "backtest", .caption = "予想の検証(&B)"},
         .width = 960,
         .height = 520,
         .description = "予想の方法ごとに、過去の各回をその回より前のデータだけで予想し、当たった回数を偶然と比べます",
         .printButton = true,
         .scrollBars = B,
         .frozenRows = 2,
         .content = &予想の検証::Content,
         .hasRangeControls = true,
         .usesOptionFlags = true},
        {.className = "買い方の検証",
         .caption = "買い方の検証",
         .menu = {.top = "verifyMenu", .name = "strategyTest", .caption = "買い方の検証(&K)"},
         .width = 960,
         .height = 560,
         .description = "自分の買い方で、過去の各回をその回より前のデータだけで買ったとして、当たった回数と収支を偶然と比べます",
         .printButton = true,
         .scrollBars = B,
         .frozenRows = 2,
         .content = &買い方の検証::Content,
         .hasRangeControls = true,
         .usesOptionFlags = true,
         .usesStrategies = true},
        {.className = "乱数性の検定",
         .caption = "乱数性の検定",
         .menu = {.top = "verifyMenu", .name = "randomness", .caption = "乱数性の検定(&R)"},
         .width = 920,
         .height = 560,
         .description = "当選数字の出方に偏りがないか、10種類の検定で調べます。「偶然と区別できません」は、でたらめに出たと見てよいという意味です",
         .printButton = true,
         .scrollBars = B,
         .frozenRows = 2,
         .content = &乱数性の検定::Content,
         .hasRangeControls = true},
        {.className = "配当分析",
         .caption = "配当分析",
         .menu = {.top = "verifyMenu", .name = "payout", .caption = "配当分析(&P)"},
         .width = 920,
         .height = 760,
         .description = "番号ごとの当せん金額の高さ（その年の中央値との比＝配当倍率）を調べます。当たる確率はどの番号も同じです",
         .printButton = true,
         .scrollBars = B,
         .frozenRows = 2,
         .content = &配当分析::Content},
        {.className = "タイプ別分析",
         .caption = "タイプ別分析",
         .menu = {.top = "verifyMenu", .name = "numberTypes", .caption = "タイプ別分析(&T)"},
         .width = 760,
         .height = 560,
         .description = "シングル・ダブルなどのタイプが何回出たかを確率どおりの回数と比べ、同じ数字の位置とタイプ別のストレート平均当せん金額も示します",
         .printButton = true,
         .scrollBars = B,
         .frozenRows = タイプ別分析::kFrozenRows,
         .content = &タイプ別分析::Content,
         .hasRangeControls = true,
         .games = kGames},
        {.className = "当選結果一覧",
         .caption = "当選結果一覧",
         .menu = {.top = "dataMenu", .name = "resultList", .caption = "当選結果一覧(&L)"},
         .width = 913,
         .height = 491,
         .description = "過去の当選番号の抽せん日と、賞ごとの口数・当せん金額を新しい回から表示します",
         .printButton = true,
         .scrollBars = V,
         .frozenRows = 2,
         .leavesEntryFree = true,
         .content = &当選結果一覧::Content,
         .rowsAreDrawsNewestFirst = true,
         .games = kGames},
    };
    // clang-format on
    return table;
}

std::string_view HelpAnchorOf(const AnalysisWindowInfo& window) {
    return window.helpAnchor.empty() ? window.className : window.helpAnchor;
}

bool ServesGame(const AnalysisWindowInfo& window, const Game& game) {
    for (const Game* served : window.games)
        if (served->id == game.id) return true;
    return false;
}

const AnalysisWindowInfo* FindAnalysisWindow(std::string_view className) {
    for (const auto& w : AnalysisWindowTable())
        if (w.className == className) return &w;
    return nullptr;
}

std::vector<const AnalysisWindowInfo*> WindowsInMenu(std::string_view top) {
    std::vector<const AnalysisWindowInfo*> rows;
    for (const auto& w : AnalysisWindowTable())
        if (w.menu.top == top) rows.push_back(&w);
    return rows;
}

GridModel BuildAnalysisGrid(const AnalysisWindowInfo& window, const DrawHistory& history,
                            const StartupStatistics& stats, const Game& game) {
    GridModel grid = window.build ? window.build(history, stats, game) : GridModel();
    grid.scrollBars = window.scrollBars;
    grid.frozenRows = window.frozenRows;
    return grid;
}

std::optional<std::size_t> CompleteDrawsBeforeAppended(const DrawHistory& before, const DrawHistory& after,
                                                       const Game& game) {
    if (after.size() <= before.size()) return std::nullopt;
    std::size_t complete = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].drawNo != after[i].drawNo || before[i].digits != after[i].digits) return std::nullopt;
        complete += before[i].complete(game);
    }
    int last = before.empty() ? 0 : before.back().drawNo;
    for (std::size_t i = before.size(); i < after.size(); ++i) {
        if (!after[i].complete(game) || after[i].drawNo <= last) return std::nullopt;
        last = after[i].drawNo;
    }
    return complete;
}

std::optional<WindowContent> ExtendWindowContent(const AnalysisWindowInfo& window, const WindowInput& input,
                                                 const GridModel& shown, const DrawHistory& before) {
    const DrawRowsGrid& rows = window.drawRows;
    if (!window.build || !rows.buildInto) return std::nullopt;
    const std::optional<std::size_t> complete = CompleteDrawsBeforeAppended(before, input.history, input.game);
    if (!complete) return std::nullopt;
    int latestBefore = 0;
    for (const Draw& d : before)
        if (d.complete(input.game)) latestBefore = d.drawNo;
    // The rows follow the latest draw number; the first appended draw goes
    // to the row after the earlier complete draws, the footer moves down.
    const int from = std::min(rows.firstDrawRow + int(*complete), shown.rows() - rows.footerRows + 1);
    WindowContent content;
    content.grid() = shown;
    content.grid().rebuildRowsFrom(from, shown.rows() + input.stats.LatestDrawNo - latestBefore);
    rows.buildInto(content.grid(), input.history, input.stats, input.game);
    content.grid().writeAllRows();
    if (window.charts)
        content.charts() = ChartsInRange(window.charts, input.history, input.stats, input.range, input.game);
    content.grid().scrollBars = window.scrollBars;
    content.grid().frozenRows = window.frozenRows;
    return content;
}

WindowContent BuildWindowContent(const AnalysisWindowInfo& window, const WindowInput& input) {
    WindowContent content;
    if (window.content)
        content = window.content(input);
    else
        content.grid() = window.build ? window.build(input.history, input.stats, input.game) : GridModel();
    if (window.charts)
        content.charts() = ChartsInRange(window.charts, input.history, input.stats, input.range, input.game);
    content.grid().scrollBars = window.scrollBars;
    content.grid().frozenRows = window.frozenRows;
    return content;
}

std::vector<ChartData> RowChartsOf(const AnalysisWindowInfo& window, const DrawHistory& history, int from, int to,
                                   const Game& game) {
    if (!window.charts) return {};
    return ChartsInRange(window.charts, history, LoadStartupStatistics(history, game), {from, to}, game);
}

}  // namespace n3
