#include "windows/window_table.h"

#include "analysis/analysis_charts.h"
#include "analysis/appearance_by_count.h"
#include "analysis/appearance_count.h"
#include "analysis/appearance_frequency.h"
#include "analysis/appearance_interval.h"
#include "analysis/combination_pattern_windows.h"
#include "analysis/consecutive_stepping.h"
#include "analysis/digit_interval.h"
#include "analysis/digit_sum.h"
#include "analysis/dispersion.h"
#include "analysis/five_group_trend.h"
#include "analysis/group_division_windows.h"
#include "analysis/last_digit_runs.h"
#include "analysis/last_digit_trend.h"
#include "analysis/pull.h"
#include "analysis/number_lookup_window.h"
#include "lab/backtest_window.h"
#include "lab/next_draw_window.h"
#include "lab/randomness_window.h"
#include "analysis/result_list.h"

namespace n3 {

namespace {
using enum LegendKind;
constexpr auto V = ScrollBars::Vertical;
constexpr auto H = ScrollBars::Horizontal;
constexpr auto B = ScrollBars::Both;
constexpr Colour kNoSwatch{};
}  // namespace

const std::vector<AnalysisWindowInfo>& AnalysisWindowTable() {
    // clang-format off
    static const std::vector<AnalysisWindowInfo> table = {
        {"出現頻度分析", "出現頻度分析",
         {"mnuMain", "mnuHindo", "頻度分析", "mnuSyutugenHindo", "出現頻度分析"}, 13200, 5280,
         "過去の当選番号の出現回数を数字別に分析します", Swatch, "：当選数字", colours::MarkBlue,
         false, B, 2, false, false, &出現頻度分析::Build, nullptr, &AppearanceFrequencyCharts},
        {"回数別出現分析", "回数別頻度分析",
         {"mnuMain", "mnuHindo", "頻度分析", "mnuSyutugenKaisu", "回数別出現分析"}, 6700, 3405,
         "過去の当選番号から出現回数別の数字を分析します", None, "", kNoSwatch,
         true, H, 0, false, false, &回数別出現分析::Build},
        {"出現間隔分析", "出現間隔分析",
         {"mnuMain", "mnuKankaku", "間隔分析", "mnuSyutugenKankaku", "出現間隔分析"}, 13800, 6140,
         "過去の当選数字が何回前に出現しているか分析します", None, "", kNoSwatch,
         true, V, 2, false, false, &出現間隔分析::Build, nullptr, &AppearanceIntervalCharts},
        {"数字間隔分析", "数字間隔分析",
         {"mnuMain", "mnuKankaku", "間隔分析", "mnuNumberKankaku", "数字間隔分析"}, 13820, 7050,
         "当選数字を第1数字～第3数字別に前回数字との数字の間隔を分析します", None, "", kNoSwatch,
         true, V, 2, false, true, &数字間隔分析::Build},
        {"出現回数分析", "出現回数分析",
         {"mnuMain", "", "", "mnuZenkaiSyutugen", "出現回数分析"}, 13850, 6280,
         "過去の当選数字が何回出現したか分析します", None, "", kNoSwatch,
         true, V, 2, false, false, &出現回数分析::Build},
        {"バラツキ分析", "バラツキ分析",
         {"mnuMain", "", "", "mnuBaratsuki", "バラツキ分析"}, 13980, 7630,
         "過去の当選番号のバラツキを数字別に分析します", Swatch, "：当選数字", colours::MarkBlue,
         true, V, 2, false, false, &バラツキ分析::Build},
        {"引っ張り分析", "引っ張り分析",
         {"mnuMain", "", "", "mnuHippari", "引っ張り分析"}, 13500, 7000,
         "過去の当選数字に前回の数字が入っているか分析します", Swatch, ":前回の数字", Colour{200, 255, 255},
         false, V, 1, false, true, &引っ張り分析::Build},
        {"連番飛び石分析", "連番・飛び石分析",
         {"mnuMain", "", "", "mnuRenbanTobiishi", "連番・飛び石分析"}, 13400, 7020,
         "過去の当選番号の連続数字と一つ飛び数字の傾向を分析します", None, "", kNoSwatch,
         true, V, 1, false, true, &連番飛び石分析::Build},
        {"数字合計分析", "数字合計分析",
         {"mnuMain", "", "", "mnuHonsuji", "数字合計分析"}, 13680, 4860,
         "過去の当選番号の各数字の合計を分析します", None, "", kNoSwatch,
         true, V, 1, false, false, &数字合計分析::Build, nullptr, &DigitSumCharts},
        {"低数字高数字の組合せパターン分析", "低数字・高数字の組合せパターン分析",
         {"mnuMain", "mnuPattern", "組合せパターン分析", "mnuLowHightPattern", "低数字・高数字の組合せパターン分析"}, 13600, 5900,
         "過去の当選番号を低数字（０～４）と高数字（５～９）に分けて組合せパターンを分析します", None, "", kNoSwatch,
         true, V, 1, true, false, &低数字高数字の組合せパターン分析::Build},
        {"偶数奇数の組合せパターン分析", "偶数・奇数の組合せパターン分析",
         {"mnuMain", "mnuPattern", "組合せパターン分析", "mnuKisuGusuPattern", "偶数・奇数の組合せパターン分析"}, 13600, 5900,
         "過去の当選番号を偶数と奇数に分類して分析します", None, "", kNoSwatch,
         true, V, 1, true, false, &偶数奇数の組合せパターン分析::Build},
        {"分割5傾向分析", "5分割傾向分析",
         {"mnuMain", "", "", "mnu5BunkatsuKeiko", "5分割傾向分析"}, 13750, 6900,
         "過去の当選番号の５グループに分類して分析します", None, "", kNoSwatch,
         true, V, 1, true, false, &分割5傾向分析::Build},
        {"分割3データ分析", "3分割データ分析",
         {"mnuMain", "mnuBunkatsuData", "分割データ分析", "mnu3BunkatsuData", "3分割データ分析"}, 12400, 12300,
         "過去の当選番号の第１～３数字をＡ～Ｃの３グループに分類して分析します", BlueBall, "：当選数字", kNoSwatch,
         false, B, 3, false, false, &分割3データ分析::Build},
        {"分割5データ分析", "5分割データ分析",
         {"mnuMain", "mnuBunkatsuData", "分割データ分析", "mnu5BunkatsuData", "5分割データ分析"}, 12400, 12300,
         "過去の当選番号の第１～３数字をＡ～Ｅの５グループに分類して分析します", BlueBall, "：当選数字", kNoSwatch,
         false, B, 3, false, false, &分割5データ分析::Build},
        {"分割10データ分析", "10分割データ分析",
         {"mnuMain", "mnuBunkatsuData", "分割データ分析", "mnu10BunkatsuData", "10分割データ分析"}, 12400, 12300,
         "過去の当選番号の第１～３数字をＡ～Ｊの１０グループに分類して分析します", BlueBall, "：当選数字", kNoSwatch,
         false, B, 3, false, false, &分割10データ分析::Build},
        {"下一桁出現傾向分析", "下一桁出現傾向分析",
         {"mnuMain", "", "", "mnuLastChar", "下一桁出現傾向分析"}, 13980, 7370,
         "過去の当選番号の下一桁の数字の出現傾向を分析します", None, "", kNoSwatch,
         true, V, 2, false, false, &下一桁出現傾向分析::Build},
        {"下一桁連続出現回数分析", "下一桁連続出現回数分析",
         {"mnuMain", "", "", "mnuLastCharRenzoku", "下一桁連続出現回数分析"}, 13935, 7370,
         "過去の当選番号の下一桁数字が何回続けて出現しているか分析します", None, "", kNoSwatch,
         true, V, 2, false, false, &下一桁連続出現回数分析::Build},
        {"数字検索", "数字検索",
         {"mnuMain", "", "", "mnuNumberSearch", "数字検索(&N)"}, 13200, 8400,
         "番号を入れると、その番号がストレート・ボックス・ミニで何回、いつ出たかを調べます", None, "", kNoSwatch,
         true, V, 0, false, false, nullptr, &数字検索::Content, nullptr, true, false, true},
        {"次回の抽せん", "次回の抽せん",
         {"mnuPredict", "", "", "mnuNextDraw", "次回の抽せん(&N)"}, 13200, 9000,
         "次の回の抽せん日、各予想方法の予想とその検証、券の種類ごとの当たる確率と平均の払戻を示します", None, "", kNoSwatch,
         true, V, 0, false, false, nullptr, &次回の抽せん::Content, nullptr, false, true, false, true},
        {"予想の検証", "予想の検証",
         {"mnuVerify", "", "", "mnuBacktest", "予想の検証(&B)"}, 14400, 7800,
         "予想の方法ごとに、過去の各回をその回より前のデータだけで予想し、当たった回数を偶然と比べます", None, "", kNoSwatch,
         true, B, 2, false, false, nullptr, &予想の検証::Content, nullptr, true, true},
        {"乱数性の検定", "乱数性の検定",
         {"mnuVerify", "", "", "mnuRandomness", "乱数性の検定(&R)"}, 13800, 8400,
         "当選数字の偏りが偶然の範囲か10種類の検定で調べます（補正p値＝min(1, 10×p)が0.01以上なら偏りなし）", None, "", kNoSwatch,
         true, B, 2, false, false, nullptr, &乱数性の検定::Content, nullptr, true},
        {"当選結果一覧", "当選結果一覧",
         {"mnuHosyu", "", "", "mnuResultList", "当選結果一覧(&L)"}, 13700, 7370,
         "過去の当選番号の抽せん日と、賞ごとの口数・当せん金額を新しい回から表示します", None, "", kNoSwatch,
         true, V, 2, true, false, nullptr, &当選結果一覧::Content},
    };
    // clang-format on
    return table;
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
                            const StartupStatistics& stats) {
    GridModel grid = window.build ? window.build(history, stats) : GridModel();
    grid.scrollBars = window.scrollBars;
    grid.frozenRows = window.frozenRows;
    return grid;
}

WindowContent BuildWindowContent(const AnalysisWindowInfo& window, const WindowInput& input) {
    WindowContent content;
    if (window.content)
        content = window.content(input);
    else
        content.grid = window.build ? window.build(input.history, input.stats) : GridModel();
    if (window.charts) content.charts = window.charts(input.history, input.stats);
    content.grid.scrollBars = window.scrollBars;
    content.grid.frozenRows = window.frozenRows;
    return content;
}

}  // namespace n3
