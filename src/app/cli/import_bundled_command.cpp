// import-bundled: the history and results that ship with the program, as the
// desktop program offers them on its first start: of every game, or of the
// game --game names.
#include <iostream>

#include "app/cli/commands.h"
#include "platform/store/bundled_data.h"
#include "platform/store/database.h"

namespace n3::cli {

namespace {

// The game's shipped data into its tables; false (said on standard error,
// nothing written for the game) when it cannot go in.
bool ImportGame(const Arguments& args, DrawStore& store, const std::string& folder) {
    const Game& game = store.game();
    const BundledData data = ReadBundledData(folder, game);
    if (data.error) {
        std::cerr << *data.error << '\n';
        return false;
    }
    // Replacing the stored figures passes the check every import passes.
    std::string allowed;
    if (args.has("replace") && !PassesScheduleCheck(args, store, data.draws, data.results,
                                                    "同梱のデータ" + std::string(game.captionSuffix), allowed))
        return false;
    // Only what the database lacks is added; its own figures stay unless
    // --replace (which also takes the shipped digits).
    const ResultImport outcome =
        ImportDrawsAndResults(store, data.draws, data.results, args.has("replace"), ResultMerge::FillIn);
    if (!outcome.ok()) {
        std::cerr << "データベースの当選番号と同梱のデータの当選番号が違う回があります" << game.captionSuffix << "。\n"
                  << DescribeConflicts(outcome.conflicts)
                  << "取り込みは行っていません。置き換えるには --replace を付けてください。\n";
        return false;
    }
    std::cerr << ImportSummaryText(outcome) << game.captionSuffix << allowed << '\n';
    // Into a database that held draws already: what was filled in, and
    // which of its own figures differ from the shipped ones.
    if (outcome.counts.unchanged + outcome.counts.replaced > 0 &&
        (outcome.filled > 0 || outcome.replacedFigures > 0 || !outcome.differences.empty()))
        std::cerr << FillInReportText(outcome) << '\n';
    return true;
}

}  // namespace

int RunImportBundled(const Arguments& args) {
    const std::string folder = BundledDataFolder();
    if (folder.empty()) {
        std::cerr << "同梱の当選データが見つかりません（プログラムのフォルダの data、"
                     "または ../share/numbers3zubarin/data に numbers3-history.csv がありません）。\n";
        return 1;
    }
    const auto database = Database::Open(args.db, true);
    // Game after game; the first that cannot go in stops the run (an older
    // file kept at its version gets the later games' tables only once the
    // first game's digits are mended).
    for (const Game* game : kGames)
        if ((!args.gameGiven || game == args.game) && !ImportGame(args, database->draws(*game), folder)) return 1;
    return 0;
}

}  // namespace n3::cli
