// numbers3zubarin-cli: the draw database and every window's table from a terminal.
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/grid_printer.h"
#include "app/cli/show_command.h"
#include "platform/store/draw_store.h"
#include "platform/store/startup_load.h"
#include "shell/history_csv.h"

using namespace n3;

namespace {

constexpr int kUsageError = 2;

int Usage() {
    std::cerr << "usage: numbers3zubarin-cli [--db FILE] import FILE.csv | export | stats |\n"
                 "       show WINDOW [--settings FILE] [--format text|csv|json]\n";
    return kUsageError;
}

struct Arguments {
    std::string db;
    std::string settings;
    std::string format = "text";
    std::vector<std::string> positional;
};

bool Parse(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (a == "--db") { if (!value(args.db)) return false; }
        else if (a == "--settings") { if (!value(args.settings)) return false; }
        else if (a == "--format") { if (!value(args.format)) return false; }
        else if (a.rfind("--", 0) == 0) return false;
        else args.positional.push_back(a);
    }
    if (args.format != "text" && args.format != "csv" && args.format != "json") return false;
    if (args.db.empty()) args.db = DefaultDatabasePath();
    return !args.positional.empty();
}

int Import(const Arguments& args) {
    const std::string& file = args.positional[1];
    const CsvParseResult parsed = ReadHistoryCsvFile(file);
    if (!parsed.ok()) {
        std::cerr << file << ':';
        if (parsed.error->line > 0) std::cerr << parsed.error->line << ':';
        std::cerr << ' ' << parsed.error->reason << '\n';
        return kUsageError;
    }
    DrawStore store = DrawStore::Open(args.db, true);
    const ImportCounts counts = store.Import(parsed.draws);
    std::cerr << "追加 " << counts.added << " 件、置き換え " << counts.replaced << " 件\n";
    return 0;
}

int Export(const Arguments& args) {
    DrawStore store = DrawStore::Open(args.db, false);
    std::cout << WriteHistoryCsv(store.ReadHistory());
    return std::cout.good() ? 0 : 1;
}

int Stats(const Arguments& args) {
    const HistorySnapshot snap = LoadHistorySnapshot(args.db);
    const StartupStatistics& s = snap.stats;
    std::ostringstream out;
    for (int d = 0; d < 10; ++d) out << "DigitCount[" << d << "]=" << s.DigitCount[std::size_t(d)] << '\n';
    out << "LatestDrawNo=" << s.LatestDrawNo << '\n';
    out << "MaxDigitCount=" << s.MaxDigitCount << '\n';
    for (std::size_t c = 0; c < s.DigitsByCount.size(); ++c)
        if (!s.DigitsByCount[c].empty()) out << "DigitsByCount[" << c << "]=" << s.DigitsByCount[c] << '\n';
    out << "CountGroupRows=" << s.CountGroupRows << '\n';
    std::cout << out.str();
    return 0;
}

int Show(const Arguments& args) {
    ShowOptions options{args.positional[1], args.settings};
    const HistorySnapshot snap = LoadHistorySnapshot(args.db);
    const auto window = BuildPrintedWindow(options, snap);
    if (!window) {
        std::cerr << "ウィンドウ名「" << options.window << "」はありません。指定できる名前:\n";
        for (const auto& name : ShowableWindowNames()) std::cerr << "  " << name << '\n';
        return kUsageError;
    }
    if (args.format == "json") PrintJson(std::cout, *window);
    else if (args.format == "csv") PrintCsv(std::cout, *window);
    else PrintText(std::cout, *window);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!Parse(argc, argv, args)) return Usage();
    const std::string& command = args.positional[0];
    try {
        if (command == "import" && args.positional.size() == 2) return Import(args);
        if (command == "export" && args.positional.size() == 1) return Export(args);
        if (command == "stats" && args.positional.size() == 1) return Stats(args);
        if (command == "show" && args.positional.size() == 2) return Show(args);
    } catch (const StoreError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return Usage();
}
