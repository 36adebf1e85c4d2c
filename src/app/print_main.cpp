// numbers3zubarin-print: writes a window's printed pages to a PDF file
// without a screen. numbers3zubarin-cli's `print` command runs it, so that
// the command-line tool itself stays free of Qt.
//   numbers3zubarin-print [--db FILE] WINDOW --pdf FILE [--settings FILE] [--landscape] [--from N] [--to N]
//                         [--number NNN]
// FILE "-" is standard output.
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "analysis/number_lookup.h"
#include "app/cli/cli_arguments.h"
#include "app/cli/print_parent.h"
#include "app/cli/strategy_arguments.h"
#include "core/window_names.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/print/print_job.h"
#include "platform/qt/print/print_window_document.h"
#include "platform/store/database.h"
#include "platform/store/draw_store.h"
#include "windows/draw_rows.h"
#include "windows/window_aliases.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

int Usage(const std::string& reason) {
    if (!reason.empty()) std::cerr << reason << '\n';
    std::cerr << "usage: numbers3zubarin-print [--db FILE] WINDOW --pdf FILE [--settings FILE] [--landscape] "
                 "[--from N] [--to N] [--number NNN]\n";
    return cli::kUsageError;
}

int Run(const cli::Arguments& args) {
    const auto pdf = args.option("pdf");
    if (!pdf || pdf->empty()) return Usage("--pdf で出力する PDF ファイルを指定してください");
    PrintRequest request;
    request.window = WindowClassForName(args.positional[0]);
    request.settingsPath = args.settings;
    request.range.from = int(args.number("from", 1, kMaxDrawNo).value_or(0));
    request.range.to = int(args.number("to", 1, kMaxDrawNo).value_or(0));
    if (request.range.from != 0 || request.range.to != 0) {
        const AnalysisWindowInfo* info = FindAnalysisWindow(request.window);
        if (!info ? request.window == windows::kPrediction : !TakesDrawRange(*info))
            return Usage(NoRangeMessage(info ? info->caption : std::string_view(request.window)));
    }
    if (const auto number = args.option("number")) {
        request.number = cli::ParseNumberOption(*number, *args.game);
        if (!request.number) return Usage(cli::NumberOptionMessage(*args.game));
    }
    const std::string db = args.db.empty() ? DefaultDatabasePath() : args.db;
    const HistorySnapshot snapshot = LoadHistorySnapshot(db, *args.game);
    if (const auto* info = FindAnalysisWindow(request.window); info && !ServesGame(*info, *args.game)) {
        std::cerr << "ウィンドウ名「" << request.window << "」は" << args.game->name << "にはありません。\n";
        return cli::kUsageError;
    }
    if (const auto* info = FindAnalysisWindow(request.window); info && info->usesStrategies) {
        try {
            if (auto one = cli::StrategyFromArguments(args)) {
                request.strategies.push_back(std::move(*one));
                request.singleStrategy = true;
            } else {
                request.strategies = Database::Open(db, false)->strategies().ReadAll();
            }
        } catch (const cli::UsageError& e) {
            return Usage(e.reason);
        }
    }
    std::string warning;
    const auto doc = BuildWindowDocument(request, snapshot, warning);
    if (!warning.empty()) std::cerr << warning << '\n';
    if (!doc) {
        std::cerr << "ウィンドウ名「" << request.window << "」は印刷できません。\n";
        return cli::kUsageError;
    }
    int pages = 0;
    std::string failure;
    const PrintOutcome outcome =
        PrintToPdf(*doc, QString::fromStdString(*pdf), args.has("landscape"), {}, &pages, &failure);
    if (outcome != PrintOutcome::Printed) {
        std::cerr << "PDF ファイル「" << *pdf << "」に書き込めませんでした。";
        if (!failure.empty()) std::cerr << "\n理由：" << failure;
        std::cerr << "\n元のファイルは変更していません。\n";
        return 1;
    }
    std::cerr << *pdf << ": " << pages << " ページ\n";
    return 0;
}

}  // namespace

// Run by numbers3zubarin-cli, this program ends with it: a print the user
// stopped never appears later.
void EndWithParent() {
    const char* parent = std::getenv(kPrintParentVariable);
    if (parent == nullptr) return;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have gone before the line above.
    if (std::to_string(::getppid()) != parent) std::_Exit(1);
}

int main(int argc, char** argv) {
    EndWithParent();
    cli::Arguments args;
    std::string reason;
    if (!cli::Parse(argc, argv, args, reason)) return Usage(reason);
    if (args.positional.size() != 1) return Usage("ウィンドウ名を一つ指定してください");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        return Run(args);
    } catch (const cli::UsageError& e) {
        return Usage(e.reason);
    } catch (const StoreError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        std::cerr << "メモリが足りません。\n";
        return 1;
    }
}
