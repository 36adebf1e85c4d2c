// numbers3zubarin-cli: the draw database and every window's table from a terminal.
#include <algorithm>
#include <iostream>
#include <new>
#include <string>
#include <string_view>

#ifndef N3_VERSION
#define N3_VERSION "0"
#endif

#include "app/cli/commands.h"
#include "io/echo_text.h"
#include "platform/store/bundled_data.h"
#include "platform/store/data_location.h"
#include "platform/store/draw_store.h"
#include "platform/store/startup_load.h"

using namespace n3;
using namespace n3::cli;

namespace {

constexpr std::string_view kProgram = "numbers3zubarin-cli";

// One line per command: its name, what it does and an example.
void PrintUsage(std::ostream& out) {
    out << "使い方: " << kProgram << " [--db ファイル] [--game 3|4] コマンド [引数とオプション]\n"
        << "コマンド:\n";
    std::size_t width = std::string_view("--version").size();
    for (const Command& c : Commands()) width = std::max(width, c.name.size());
    auto line = [&](std::string_view name, std::string_view what, std::string_view example) {
        out << "  " << name << std::string(width - name.size() + 2, ' ') << what;
        if (!example.empty()) out << "　例: " << kProgram << ' ' << example;
        out << '\n';
    };
    for (const Command& c : Commands()) line(c.name, c.description, c.example);
    line("help", "この説明を表示する（--help、-h も同じ）", "");
    line("--version", "バージョンを表示する", "");
    out << "ウィンドウ名には、ウィンドウの名前かメニューの名前を書きます（一覧: " << kProgram << " show ?）。\n"
        << "コマンドごとのオプションはヘルプの「コマンドラインツール」にあります。書式:\n";
    for (const Command& c : Commands()) out << "  " << c.usage << '\n';
}

int Usage(const std::string& reason) {
    if (!reason.empty()) std::cerr << reason << '\n';
    PrintUsage(std::cerr);
    return kUsageError;
}

// The shipped results filled into a file this run has just upgraded, as
// the desktop program does after its load: whichever opens an old file
// first fills it in, and says so once.
void FillInAfterUpgrade(DrawStore& store) {
    const std::string folder = BundledDataFolder();
    if (folder.empty()) return;
    const BundledData data = ReadBundledData(folder);
    if (!data.error && !data.results.empty()) {
        try {
            const ResultImport outcome = FillInResults(store, data.draws, data.results);
            if (outcome.results > 0 || !outcome.differences.empty()) std::cerr << FillInReportText(outcome) << '\n';
        } catch (const StoreError& e) {
            std::cerr << "同梱の当選結果を補えません。\n理由：" << e.what() << '\n';
        }
    }
    // The games added since the file was made get their shipped draws.
    std::cerr << ImportOtherGamesIfEmpty(store, folder);
}

}  // namespace

int main(int argc, char** argv) {
    DrawStore::SetUpgradeFollowUp(FillInAfterUpgrade);
    Arguments args;
    std::string reason;
    if (AsksForHelp(argc, argv)) {
        PrintUsage(std::cout);
        return std::cout.good() ? 0 : 1;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << kProgram << ' ' << N3_VERSION << '\n';
        return std::cout.good() ? 0 : 1;
    }
    if (!Parse(argc, argv, args, reason)) return Usage(reason);
    if (args.db.empty()) {
        // The data folder is created on first use; when that fails, the
        // reason is said here (opening the database would only find no file).
        if (std::string why; !MakeDataFolder(DataFolder(), &why) && args.positional[0] != "where") {
            std::cerr << "データフォルダ「" << DataFolder() << "」を作成できません。\n理由：" << why << '\n';
            return 1;
        }
        args.db = DefaultDatabasePath();
    }
    if (args.settings.empty()) args.settings = DefaultSettingsPath();
    const std::string& name = args.positional[0];
    const int words = int(args.positional.size()) - 1;
    for (const Command& c : Commands()) {
        if (c.name != name) continue;
        if (words < c.minWords || words > c.maxWords) return Usage("引数の数が正しくありません");
        try {
            return c.run(args);
        } catch (const UsageError& e) {
            std::cerr << e.reason << '\n';
            return kUsageError;
        } catch (const StoreError& e) {
            std::cerr << e.what() << '\n';
            return 1;
        } catch (const std::bad_alloc&) {
            std::cerr << "メモリが足りません。\n";
            return 1;
        }
    }
    return Usage("コマンド「" + EchoText(name) + "」はありません");
}
