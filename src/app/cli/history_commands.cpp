// import, export and stats: the draw history itself.
#include <algorithm>
#include <iostream>
#include <sstream>

#include "app/cli/commands.h"
#include "core/draw_schedule.h"
#include "core/startup_statistics.h"
#include "io/history_csv.h"
#include "io/results_csv_writer.h"
#include "io/results_schedule_check.h"
#include "platform/store/bundled_data.h"
#include "platform/store/database.h"
#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"

namespace n3::cli {

bool PassesScheduleCheck(const Arguments& args, DrawStore& store, const std::vector<Draw>& draws,
                         const ResultHistory& results, const std::string& source, std::string& allowed) {
    const bool replace = args.has("replace");
    ResultHistory stored;
    int newest = 0;
    try {
        stored = ReadResults(store);
        for (const Draw& d : store.ReadHistoryForEditing()) newest = std::max(newest, d.drawNo);
    } catch (const StoreError&) {
        // A file kept at an older version has no results to check against.
    }
    const ScheduleCheck schedule = CheckResultsSchedule(stored, newest, draws, results, replace, TodayDate());
    if (!schedule.ok()) {
        std::cerr << source << ": " << schedule.refusal << "。\n取り込みは行っていません。\n";
        return false;
    }
    if (!schedule.offSchedule.empty()) {
        if (!args.has("allow-off-schedule")) {
            for (const std::string& note : schedule.offSchedule) std::cerr << source << ": " << note << '\n';
            std::cerr << "取り込みは行っていません。予定と違う日付のまま取り込むには --allow-off-schedule "
                         "を付けてください。\n";
            return false;
        }
        for (const std::string& note : schedule.offSchedule) allowed += "\n予定と違う日付で取り込みました：" + note;
    }
    for (const std::string& breach : schedule.prizeRuleBreaches)
        allowed += "\n当せん金額の規則と合いませんが、公表された金額として保存しました：" + breach;
    if (!schedule.gaps.empty()) {
        std::string names;
        for (const DrawGap& gap : schedule.gaps) names += (names.empty() ? "" : "、") + DrawGapName(gap);
        if (!args.has("allow-gap")) {
            std::cerr << source << ": データベースの最新の回（第" << newest << "回）とファイルの回の間に " << names
                      << " が抜けています。\n取り込みは行っていません。抜けたまま取り込むには --allow-gap "
                         "を付けてください。\n";
            return false;
        }
        allowed += "\n抜けている回があるまま取り込みました：" + names;
    }
    return true;
}

int RunImport(const Arguments& args) {
    const std::string& file = args.positional[1];
    const CsvParseResult parsed = ReadHistoryCsvFile(file);
    if (!parsed.ok()) {
        std::cerr << file << ':';
        if (parsed.error->line > 0) std::cerr << parsed.error->line << ':';
        std::cerr << ' ' << parsed.error->reason << '\n';
        return kUsageError;
    }
    // The file's columns say its game (a fourth digit: ナンバーズ4); --game
    // must agree with them.
    const Game* game = GameOfDigits(parsed.digits);
    if (!game || (args.gameGiven && game != args.game)) {
        std::cerr << file << ": このファイルの当選番号は" << parsed.digits << "桁です。"
                  << (game ? std::string(game->name) + "のファイルとして --game " + std::to_string(game->id) +
                                 " で取り込んでください。"
                           : std::string())
                  << "\n取り込みは行っていません。\n";
        return kUsageError;
    }
    const auto database = Database::Open(args.db, true);
    DrawStore& store = database->draws(*game);
    const bool replace = args.has("replace");
    std::string allowed;
    if (!PassesScheduleCheck(args, store, parsed.draws, parsed.results, file, allowed)) return 1;
    // A published stored value is kept unless --replace; every value it
    // replaces is named.
    const ResultImport outcome =
        ImportDrawsAndResults(store, parsed.draws, parsed.results, replace, ResultMerge::FillIn);
    if (!outcome.ok()) {
        std::cerr << file << ": データベースの当選番号とファイルの当選番号が違う回があります。\n"
                  << DescribeConflicts(outcome.conflicts)
                  << "取り込みは行っていません。ファイルの番号で置き換えるには --replace を付けてください。\n";
        return 1;
    }
    std::cerr << ImportSummaryText(outcome) << game->captionSuffix << allowed << '\n';
    if (!outcome.differences.empty())
        std::cerr << "データベースの値がファイルと違う " << outcome.differences.size()
                  << " 件は、データベースの値のままにしました（ファイルの値にするには --replace）。\n"
                  << DescribeDifferences(outcome.differences, 20, "ファイル");
    if (!outcome.replacedDifferences.empty())
        std::cerr << "ファイルの値で置き換えた " << outcome.replacedDifferences.size() << " 件：\n"
                  << DescribeDifferences(outcome.replacedDifferences, outcome.replacedDifferences.size(), "ファイル");
    if (const std::string note = PaddedNumbersNote(parsed.paddedNumbers); !note.empty()) std::cerr << note << '\n';
    return 0;
}

int RunExport(const Arguments& args) {
    const auto database = Database::Open(args.db, false);
    const Game& game = *args.game;
    const DrawStore& store = database->draws(game);
    if (args.has("results")) return WriteOut(WriteResultsCsv(store.ReadHistory(), ReadResults(store), game)) ? 0 : 1;
    return WriteOut(WriteHistoryCsv(store.ReadHistory(), game)) ? 0 : 1;
}

int RunStats(const Arguments& args) {
    // The history alone: the statistics need neither the results nor the
    // rest of the snapshot the windows read.
    const auto database = Database::Open(args.db, true);
    const StartupStatistics s = LoadStartupStatistics(database->draws(*args.game).ReadHistory(), *args.game);
    std::ostringstream out;
    for (int d = 0; d < 10; ++d) out << "DigitCount[" << d << "]=" << s.DigitCount[std::size_t(d)] << '\n';
    out << "LatestDrawNo=" << s.LatestDrawNo << '\n';
    out << "MaxDigitCount=" << s.MaxDigitCount << '\n';
    for (std::size_t c = 0; c < s.DigitsByCount.size(); ++c)
        if (!s.DigitsByCount[c].empty()) out << "DigitsByCount[" << c << "]=" << s.DigitsByCount[c] << '\n';
    out << "CountGroupRows=" << s.CountGroupRows << '\n';
    return WriteOut(out.str()) ? 0 : 1;
}

}  // namespace n3::cli
