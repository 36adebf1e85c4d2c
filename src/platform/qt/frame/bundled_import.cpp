#include "platform/qt/frame/bundled_import.h"

#include "platform/qt/frame/dialogs.h"
#include "platform/qt/frame/qt_util.h"
#include "platform/store/bundled_data.h"
#include "platform/store/database.h"
#include "windows/main_frm.h"

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
        const ResultImport outcome = database.Import(data.draws, data.results, false);
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

}  // namespace n3
