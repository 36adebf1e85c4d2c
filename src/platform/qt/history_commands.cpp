#include "platform/qt/history_commands.h"
#include "core/window_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "io/file_io.h"
#include "io/history_csv.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_util.h"
#include "platform/store/draw_store.h"
#include "shell/window_placement.h"

namespace n3 {

namespace {

const QString kTitle = QString::fromUtf8(kMessageTitle.data(), int(kMessageTitle.size()));
const QString kCsvFilter = QStringLiteral("CSVファイル (*.csv);;すべてのファイル (*)");

bool EntryWindowIsFree(MainWindow& window) {
    return window.frm().RequireNoEntryWindow(
        window.child(QString::fromUtf8(windows::kEntry.data(), qsizetype(windows::kEntry.size()))) != nullptr);
}

void Error(MainWindow& window, const QString& text) {
    dialogs::Message(&window, text, kTitle, dialogs::Icon::Critical);
}

}  // namespace

void ImportHistoryCsv(MainWindow& window) {
    if (!EntryWindowIsFree(window)) return;
    // The dialog opens where the last import came from, else at home.
    QString folder = QString::fromStdString(window.setting(kLastImportFolderKey));
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString path =
        dialogs::ChooseFile(&window, {false, QStringLiteral("CSVファイルから取り込み"), kCsvFilter, folder});
    if (path.isEmpty()) return;
    window.setSetting(kLastImportFolderKey, QFileInfo(path).absolutePath().toStdString());

    const CsvParseResult parsed = ReadHistoryCsvFile(QFile::encodeName(path).toStdString());
    if (!parsed.ok()) {
        const QString where = parsed.error->line > 0
                                  ? QStringLiteral("ファイル「%1」の %2 行目を読み込めません。")
                                        .arg(QFileInfo(path).fileName())
                                        .arg(parsed.error->line)
                                  : QStringLiteral("ファイル「%1」を読み込めません。").arg(QFileInfo(path).fileName());
        Error(window,
              where + QStringLiteral("\n理由：%1\n\n取り込みは行っていません。データベースは変更されていません。")
                          .arg(QString::fromStdString(parsed.error->reason)));
        return;
    }

    ImportCounts counts;
    try {
        window.BeginWait();
        DrawStore store = DrawStore::Open(window.databasePath(), true);
        counts = store.Import(parsed.draws);
        window.EndWait();
    } catch (const StoreError& e) {
        window.EndWait();
        Error(window, QStringLiteral("当選データを保存できません。\n理由：%1\n\n"
                                     "取り込みは行っていません。データベースは変更されていません。")
                          .arg(QString::fromStdString(e.what())));
        return;
    }
    dialogs::Message(&window,
                     QStringLiteral("%1 件の当選データを取り込みました。\n%2")
                         .arg(counts.added + counts.replaced + counts.unchanged)
                         .arg(Q(ImportSummary(counts))),
                     QStringLiteral("CSVファイルから取り込み"), dialogs::Icon::Information);
    const auto answer = dialogs::Message(
        &window, QStringLiteral("分析結果に反映するには再読み込みが必要です。今すぐ再読み込みしますか？"),
        QStringLiteral("データ再読み込み"), dialogs::Icon::Warning, dialogs::Buttons::YesNo);
    if (answer == dialogs::Result::Yes) ReloadHistory(window);
}

void ExportHistoryCsv(MainWindow& window) {
    const QString path = dialogs::ChooseFile(
        &window, {true, QStringLiteral("CSVファイルへ書き出し"), kCsvFilter, QStringLiteral("numbers3-history.csv")});
    if (path.isEmpty()) return;
    std::string csv;
    std::size_t rows = 0;
    try {
        const DrawHistory history = DrawStore::Open(window.databasePath(), false).ReadHistory();
        rows = history.size();
        csv = WriteHistoryCsv(history);
    } catch (const StoreError& e) {
        Error(window, QString::fromStdString(e.what()));
        return;
    }
    // Written beside the target and renamed over it: a failure never
    // leaves a half-written file.
    const std::string reason = ReplaceFile(QFile::encodeName(path).toStdString(), csv);
    if (!reason.empty()) {
        Error(window,
              QStringLiteral("ファイル「%1」に書き出せません。\n理由：%2").arg(path, QString::fromStdString(reason)));
        return;
    }
    dialogs::Message(&window,
                     QStringLiteral("%1 回分の当選データをファイル「%2」に書き出しました。").arg(rows).arg(path),
                     QStringLiteral("CSVファイルへ書き出し"), dialogs::Icon::Information);
}

void ReloadHistory(MainWindow& window) {
    if (!EntryWindowIsFree(window)) return;
    window.reload();
}

}  // namespace n3
