// numbers3zubarin-cli: the draw database and every window's table from a terminal.
#include <iostream>
#include <new>
#include <string>

#include "app/cli/commands.h"
#include "io/echo_text.h"
#include "platform/store/data_location.h"
#include "platform/store/draw_store.h"
#include "platform/store/startup_load.h"

using namespace n3;
using namespace n3::cli;

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: numbers3zubarin-cli [--db FILE] COMMAND\n";
    for (const Command& c : Commands()) out << "       " << c.usage << '\n';
    out << "       help | --help\n";
    out << "WINDOW: the window's name or its menu caption (numbers3zubarin-cli show ? lists the names)\n";
}

int Usage(const std::string& reason) {
    if (!reason.empty()) std::cerr << reason << '\n';
    PrintUsage(std::cerr);
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    std::string reason;
    if (AsksForHelp(argc, argv)) {
        PrintUsage(std::cout);
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
