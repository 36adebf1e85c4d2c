// import, export and stats: the draw history itself.
#include <iostream>
#include <sstream>

#include "app/cli/commands.h"
#include "core/startup_statistics.h"
#include "io/history_csv.h"
#include "io/results_csv_writer.h"
#include "platform/store/bundled_data.h"
#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"

namespace n3::cli {

int RunImport(const Arguments& args) {
    const std::string& file = args.positional[1];
    const CsvParseResult parsed = ReadHistoryCsvFile(file);
    if (!parsed.ok()) {
        std::cerr << file << ':';
        if (parsed.error->line > 0) std::cerr << parsed.error->line << ':';
        std::cerr << ' ' << parsed.error->reason << '\n';
        return kUsageError;
    }
    DrawStore store = DrawStore::Open(args.db, true);
    const ResultImport outcome = ImportDrawsAndResults(store, parsed.draws, parsed.results, args.has("replace"));
    if (!outcome.ok()) {
        std::cerr << file << ": データベースの当選番号とファイルの当選番号が違う回があります。\n"
                  << DescribeConflicts(outcome.conflicts)
                  << "取り込みは行っていません。ファイルの番号で置き換えるには --replace を付けてください。\n";
        return 1;
    }
    std::cerr << ImportSummaryText(outcome) << '\n';
    if (const std::string note = PaddedNumbersNote(parsed.paddedNumbers); !note.empty()) std::cerr << note << '\n';
    return 0;
}

int RunExport(const Arguments& args) {
    DrawStore store = DrawStore::Open(args.db, false);
    if (args.has("results")) return WriteOut(WriteResultsCsv(store.ReadHistory(), ReadResults(store))) ? 0 : 1;
    return WriteOut(WriteHistoryCsv(store.ReadHistory())) ? 0 : 1;
}

int RunStats(const Arguments& args) {
    // The history alone: the statistics need neither the results nor the
    // rest of the snapshot the windows read.
    DrawStore store = DrawStore::Open(args.db, true);
    const StartupStatistics s = LoadStartupStatistics(store.ReadHistory());
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
