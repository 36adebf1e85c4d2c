// import-bundled: the history and results that ship with the program, as the
// desktop program offers them on its first start.
#include <iostream>

#include "app/cli/commands.h"
#include "platform/store/bundled_data.h"

namespace n3::cli {

int RunImportBundled(const Arguments& args) {
    const std::string folder = BundledDataFolder();
    if (folder.empty()) {
        std::cerr << "同梱の当選データが見つかりません（プログラムのフォルダの data、"
                     "または ../share/numbers3zubarin/data に numbers3-history.csv がありません）。\n";
        return 1;
    }
    const BundledData data = ReadBundledData(folder);
    if (data.error) {
        std::cerr << *data.error << '\n';
        return 1;
    }
    DrawStore store = DrawStore::Open(args.db, true);
    // Replacing the stored figures passes the check every import passes.
    std::string allowed;
    if (args.has("replace") && !PassesScheduleCheck(args, store, data.draws, data.results, "同梱のデータ", allowed))
        return 1;
    // Only what the database lacks is added; its own figures stay unless
    // --replace (which also takes the shipped digits).
    const ResultImport outcome =
        ImportDrawsAndResults(store, data.draws, data.results, args.has("replace"), ResultMerge::FillIn);
    if (!outcome.ok()) {
        std::cerr << "データベースの当選番号と同梱のデータの当選番号が違う回があります。\n"
                  << DescribeConflicts(outcome.conflicts)
                  << "取り込みは行っていません。置き換えるには --replace を付けてください。\n";
        return 1;
    }
    std::cerr << ImportSummaryText(outcome) << allowed << '\n';
    // Into a database that held draws already: what was filled in, and
    // which of its own figures differ from the shipped ones.
    if (outcome.counts.unchanged + outcome.counts.replaced > 0 &&
        (outcome.filled > 0 || outcome.replacedFigures > 0 || !outcome.differences.empty()))
        std::cerr << FillInReportText(outcome) << '\n';
    return 0;
}

}  // namespace n3::cli
