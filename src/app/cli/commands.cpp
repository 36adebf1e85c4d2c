#include "app/cli/commands.h"

#include <iostream>

namespace n3::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> table = {
        {"import", "import FILE.csv [--replace] [--allow-off-schedule] [--allow-gap]",
         "CSVファイルの当選データを取り込む", "import 当選データ.csv", 1, 1, &RunImport},
        {"export", "export [--results]", "当選データをCSVで書き出す（--results で抽せん日と当せん金も）",
         "export --results > 当選結果.csv", 0, 0, &RunExport},
        {"stats", "stats", "数字ごとの出現回数と最新の回数を表示する", "stats", 0, 0, &RunStats},
        {"where", "where", "データベースと設定ファイルの場所を表示する", "where", 0, 0, &RunWhere},
        {"windows", "windows [MENU]", "メニューが開くウィンドウの名前を表示する", "windows データ分析", 0, 1,
         &RunWindows},
        {"show",
         "show WINDOW [--settings FILE] [--from N] [--to N] [--number NNN] [--format text|csv|json] "
         "[--strategy fixed|last|hot|cold|overdue|sum|prediction [--n N] [--k K] [--numbers 123,456] [--sum A-B] "
         "[--kind straight|box|set|mini] [--units U]]",
         "ウィンドウの表を表示する（一覧は show ?）", "show 出現頻度分析 --from 7000 --format csv", 1, 1, &RunShow},
        {"import-bundled", "import-bundled [--replace [--allow-off-schedule] [--allow-gap]]",
         "同梱の過去の当選データを取り込む", "import-bundled", 0, 0, &RunImportBundled},
        {"update", "update [--source URL] [--replace] [--allow-gap] [--allow-off-schedule] [--recheck N..M]",
         "最新の当選データを取得する", "update --recheck 7050..7053", 0, 0, &RunUpdate},
        {"backtest", "backtest [--from N] [--to N] [--settings FILE] [--format text|csv|json]", "予想の検証を表示する",
         "backtest --from 6000 --format json", 0, 0, &RunBacktest},
        {"print", "print WINDOW --pdf FILE [--settings FILE] [--landscape] [--from N] [--to N] [--number NNN]",
         "ウィンドウをPDFに印刷する", "print 数字合計分析 --pdf 数字合計分析.pdf", 1, 1, &RunPrint},
        {"tickets",
         "tickets add --draw N [--draws K] --number 048 --type straight|box|set|mini [--units U] [--date YYYY-MM-DD] "
         "[--memo TEXT] [--settings FILE] | tickets list | tickets check [--format text|csv|json] "
         "[--date YYYY-MM-DD] | tickets received ID yes|no | tickets export | tickets import FILE.csv [--replace]",
         "購入記録を追加・一覧・照合・受け取り済みに・書き出し・取り込みする",
         "tickets add --draw 7054 --number 048 --type box", 1, 3, &RunTickets},
    };
    return table;
}

bool WriteOut(const std::string& text) {
    return StreamOut([&](std::ostream& out) { out << text; });
}

bool StreamOut(const std::function<void(std::ostream&)>& write) {
    write(std::cout);
    std::cout << std::flush;
    if (std::cout.good()) return true;
    std::cerr << "標準出力に書き込めません。\n";
    return false;
}

}  // namespace n3::cli
