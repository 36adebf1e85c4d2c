#include "app/cli/commands.h"

#include <iostream>

namespace n3::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> table = {
        {"import", "import FILE.csv [--replace]", 1, 1, &RunImport},
        {"export", "export [--results]", 0, 0, &RunExport},
        {"stats", "stats", 0, 0, &RunStats},
        {"where", "where", 0, 0, &RunWhere},
        {"show",
         "show WINDOW [--settings FILE] [--from N] [--to N] [--number NNN] [--format text|csv|json]\n"
         "       show 買い方の検証 [--strategy fixed|last|hot|cold|overdue|sum|prediction [--n N] [--k K] "
         "[--numbers 123,456] [--sum A-B] [--kind straight|box|set|mini] [--units U]]",
         1, 1, &RunShow},
        {"import-bundled", "import-bundled [--replace]", 0, 0, &RunImportBundled},
        {"update", "update [--source URL] [--replace]", 0, 0, &RunUpdate},
        {"backtest", "backtest [--from N] [--to N] [--settings FILE] [--format text|csv|json]", 0, 0, &RunBacktest},
        {"print", "print WINDOW --pdf FILE [--settings FILE] [--landscape] [--from N] [--to N] [--number NNN]", 1, 1,
         &RunPrint},
        {"tickets",
         "tickets add --draw N [--draws K] --number 048 --type straight|box|set|mini [--units U] [--date YYYY-MM-DD] "
         "[--memo TEXT] [--settings FILE]\n       tickets list | tickets check [--format text|csv|json] "
         "[--date YYYY-MM-DD] | tickets received ID yes|no | tickets export | tickets import FILE.csv [--replace]",
         1, 3, &RunTickets},
    };
    return table;
}

bool WriteOut(const std::string& text) {
    std::cout << text << std::flush;
    if (std::cout.good()) return true;
    std::cerr << "標準出力に書き込めません。\n";
    return false;
}

}  // namespace n3::cli
