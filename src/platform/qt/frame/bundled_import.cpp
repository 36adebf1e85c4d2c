#include "platform/qt/frame/bundled_import.h"

#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/store/bundled_data.h"
#include "platform/store/database.h"
#include "windows/main_commands.h"

namespace n3 {

bool OfferBundledHistory(QWidget* parent, Database& database, const std::string& folder) {
    if (folder.empty()) return false;
    try {
        // A database that cannot be read is for the start-up load to report.
        if (database.draws().DrawCount() != 0) return false;
    } catch (const StoreError&) {
        return false;
    }
    const BundledData data = ReadBundledData(folder);
    if (data.error) {
        dialogs::Message(parent, QString::fromStdString(*data.error), Q(kMessageTitle), dialogs::Icon::Critical);
        return false;
    }
    if (data.draws.empty()) return false;
    const auto answer = dialogs::Message(parent, QString::fromStdString(BundledImportQuestion(data)),
                                         QStringLiteral("当選データの取り込み"), dialogs::Icon::Question,
                                         dialogs::Buttons::YesNoDefaultYes);
    if (answer != dialogs::Result::Yes) return false;
    try {
        const WaitCursor wait;
        const ResultImport outcome =
            ImportDrawsAndResults(database.draws(), data.draws, data.results, false, ResultMerge::FillIn);
        // The other games' shipped draws go in with the first game's.
        if (outcome.ok()) ImportOtherGamesIfEmpty(database.draws(), folder);
        return outcome.ok();
    } catch (const StoreError& e) {
        dialogs::Message(parent,
                         QStringLiteral("当選データを保存できません。\n理由：%1\n\n"
                                        "取り込みは行っていません。データベースは変更されていません。")
                             .arg(QString::fromStdString(e.what())),
                         Q(kMessageTitle), dialogs::Icon::Critical);
        return false;
    }
}

bool FillInBundledResults(QWidget* parent, Database& database, const std::string& folder) {
    if (folder.empty() || database.draws().upgradedFrom() == 0) return false;
    {
        // A file made before a game was added gets that game's shipped draws.
        const WaitCursor wait;
        ImportOtherGamesIfEmpty(database.draws(), folder);
    }
    const BundledData data = ReadBundledData(folder);
    if (data.error || data.results.empty()) return false;
    try {
        const WaitCursor wait;
        const ResultImport outcome = FillInResults(database.draws(), data.draws, data.results);
        if (outcome.results == 0 && outcome.differences.empty()) return false;
        dialogs::Message(parent, QString::fromStdString(FillInReportText(outcome)), QStringLiteral("当選結果の補充"),
                         dialogs::Icon::Information);
        return outcome.results > 0;
    } catch (const StoreError& e) {
        dialogs::Message(parent,
                         QStringLiteral("同梱の当選結果を補えません。\n理由：%1\n\nデータベースは変更されていません。")
                             .arg(QString::fromStdString(e.what())),
                         Q(kMessageTitle), dialogs::Icon::Critical);
        return false;
    }
}

}  // namespace n3
