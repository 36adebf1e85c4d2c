#include "platform/qt/frame/history_commands.h"
#include "core/window_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "io/file_io.h"
#include "io/history_csv.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/store/bundled_data.h"
#include "platform/store/database.h"
#include "platform/store/result_store.h"
#include "settings/settings.h"
#include "windows/main_commands.h"

namespace n3 {

namespace {

const QString kTitle = QString::fromUtf8(kMessageTitle.data(), int(kMessageTitle.size()));
const QString kCsvFilter = QStringLiteral("CSVファイル (*.csv);;すべてのファイル (*)");

void Error(HistoryCommandHost& host, const QString& text) {
    dialogs::Message(host.dialogParent(), text, kTitle, dialogs::Icon::Critical);
}

}  // namespace

void ImportHistoryCsv(HistoryCommandHost& host) {
    if (!host.entryWindowIsFree()) return;
    // The dialog opens where the last import came from, else at home.
    QString folder = QString::fromStdString(host.setting(settings_keys::kLastImportFolder));
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString path = dialogs::ChooseFile(host.dialogParent(),
                                             {false, QStringLiteral("CSVファイルから取り込み"), kCsvFilter, folder});
    if (path.isEmpty()) return;
    host.setSetting(settings_keys::kLastImportFolder, QFileInfo(path).absolutePath().toStdString());

    const CsvParseResult parsed = ReadHistoryCsvFile(QFile::encodeName(path).toStdString());
    if (!parsed.ok()) {
        // One arg() with every value: a value holding "%2" is then never
        // taken for a place holder.
        const QString name = QFileInfo(path).fileName();
        const QString reason = QString::fromStdString(parsed.error->reason);
        const QString tail =
            QStringLiteral("\n理由：%3\n\n取り込みは行っていません。データベースは変更されていません。");
        Error(host, parsed.error->line > 0
                        ? (QStringLiteral("ファイル「%1」の %2 行目を読み込めません。") + tail)
                              .arg(name, QString::number(parsed.error->line), reason)
                        : (QStringLiteral("ファイル「%1」を読み込めません。%2") + tail).arg(name, QString(), reason));
        return;
    }

    ResultImport outcome;
    try {
        host.BeginWait();
        outcome = host.database().Import(parsed.draws, parsed.results, false);
        host.EndWait();
        if (!outcome.ok()) {
            const auto replace = dialogs::Message(
                host.dialogParent(),
                QStringLiteral("データベースの当選番号とファイルの当選番号が違う回があります。\n%1\n"
                               "ファイルの当選番号で置き換えますか？")
                    .arg(QString::fromStdString(DescribeConflicts(outcome.conflicts))),
                QStringLiteral("CSVファイルから取り込み"), dialogs::Icon::Warning, dialogs::Buttons::YesNo);
            if (replace != dialogs::Result::Yes) {
                dialogs::Message(host.dialogParent(),
                                 QStringLiteral("取り込みは行っていません。データベースは変更されていません。"),
                                 QStringLiteral("CSVファイルから取り込み"), dialogs::Icon::Information);
                return;
            }
            host.BeginWait();
            outcome = host.database().Import(parsed.draws, parsed.results, true);
            host.EndWait();
        }
    } catch (const StoreError& e) {
        host.EndWait();
        Error(host, QStringLiteral("当選データを保存できません。\n理由：%1\n\n"
                                   "取り込みは行っていません。データベースは変更されていません。")
                        .arg(QString::fromStdString(e.what())));
        return;
    }
    const ImportCounts& counts = outcome.counts;
    dialogs::Message(
        host.dialogParent(),
        QStringLiteral("%1 件の当選データを取り込みました。\n%2%3")
            .arg(QString::number(counts.added + counts.replaced + counts.unchanged), Q(ImportSummaryText(outcome)),
                 parsed.paddedNumbers > 0 ? "\n" + Q(PaddedNumbersNote(parsed.paddedNumbers)) : QString()),
        QStringLiteral("CSVファイルから取り込み"), dialogs::Icon::Information);
    // Every open window follows the new history; none closes.
    host.reload();
}

void ExportHistoryCsv(HistoryCommandHost& host) {
    const QString path = dialogs::ChooseFile(host.dialogParent(), {true, QStringLiteral("CSVファイルへ書き出し"),
                                                                   kCsvFilter, QStringLiteral("numbers3-history.csv")});
    if (path.isEmpty()) return;
    std::string csv;
    std::size_t rows = 0;
    try {
        const DrawHistory history = host.database().draws().ReadHistory();
        rows = history.size();
        csv = WriteHistoryCsv(history);
    } catch (const StoreError& e) {
        Error(host, QString::fromStdString(e.what()));
        return;
    }
    // Written beside the target and renamed over it: a failure never
    // leaves a half-written file.
    const std::string reason = ReplaceFile(QFile::encodeName(path).toStdString(), csv);
    if (!reason.empty()) {
        Error(host,
              QStringLiteral("ファイル「%1」に書き出せません。\n理由：%2").arg(path, QString::fromStdString(reason)));
        return;
    }
    dialogs::Message(host.dialogParent(),
                     QStringLiteral("%1 回分の当選データをファイル「%2」に書き出しました。").arg(rows).arg(path),
                     QStringLiteral("CSVファイルへ書き出し"), dialogs::Icon::Information);
}

void ReloadHistory(HistoryCommandHost& host) {
    if (!host.entryWindowIsFree()) return;
    host.reload();
}

}  // namespace n3
