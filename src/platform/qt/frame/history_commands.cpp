#include "platform/qt/frame/history_commands.h"
#include "core/draw_schedule.h"
#include "core/window_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "io/file_io.h"
#include "io/history_csv.h"
#include "io/results_schedule_check.h"
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

bool AskYesNo(HistoryCommandHost& host, const QString& question) {
    return dialogs::Message(host.dialogParent(), question, QStringLiteral("CSVファイルから取り込み"),
                            dialogs::Icon::Warning, dialogs::Buttons::YesNo) == dialogs::Result::Yes;
}

// The one check before results are written (io/results_schedule_check.h):
// a date that cannot be refuses the file, a date off the schedule or a gap
// is asked about. Returns the lines naming what the user allowed, for the
// summary, or nullopt when nothing is to be imported (said already).
std::optional<QString> CheckTheSchedule(HistoryCommandHost& host, const CsvParseResult& parsed) {
    const QString notImported = QStringLiteral("\n\n取り込みは行っていません。データベースは変更されていません。");
    ScheduleCheck check;
    try {
        DrawStore& store = host.database().draws();
        int newest = 0;
        for (const Draw& d : store.ReadHistoryForEditing()) newest = std::max(newest, d.drawNo);
        check = CheckResultsSchedule(ReadResults(store), newest, parsed.draws, parsed.results, false, TodayDate());
    } catch (const StoreError&) {
        return QString();  // the import itself tells what is wrong with the file
    }
    if (!check.ok()) {
        Error(host, Q(check.refusal) + QStringLiteral("。") + notImported);
        return std::nullopt;
    }
    QString allowed;
    if (!check.offSchedule.empty()) {
        QString notes;
        for (const std::string& note : check.offSchedule) notes += Q(note) + QStringLiteral("\n");
        if (!AskYesNo(host, notes + QStringLiteral("\nこの日付のまま取り込みますか？"))) {
            dialogs::Message(host.dialogParent(), notImported.trimmed(), QStringLiteral("CSVファイルから取り込み"),
                             dialogs::Icon::Information);
            return std::nullopt;
        }
        for (const std::string& note : check.offSchedule)
            allowed += QStringLiteral("\n予定と違う日付で取り込みました：") + Q(note);
    }
    for (const std::string& breach : check.prizeRuleBreaches)
        allowed += QStringLiteral("\n当せん金額の規則と合いませんが、公表された金額として保存しました：") + Q(breach);
    if (!check.gaps.empty()) {
        QString names;
        for (const DrawGap& gap : check.gaps) names += (names.isEmpty() ? "" : "、") + Q(DrawGapName(gap));
        if (!AskYesNo(host, QStringLiteral("データベースの最新の回とファイルの回の間に %1 が抜けています。\n"
                                           "抜けたまま取り込みますか？")
                                .arg(names))) {
            dialogs::Message(host.dialogParent(), notImported.trimmed(), QStringLiteral("CSVファイルから取り込み"),
                             dialogs::Icon::Information);
            return std::nullopt;
        }
        allowed += QStringLiteral("\n抜けている回があるまま取り込みました：") + names;
    }
    return allowed;
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

    const std::optional<QString> allowed = CheckTheSchedule(host, parsed);
    if (!allowed) return;
    // A published value stored already stays (and is named) unless the
    // user chose to replace the file's differing draws.
    const auto importFile = [&](bool replace) {
        return ImportDrawsAndResults(host.database().draws(), parsed.draws, parsed.results, replace,
                                     ResultMerge::FillIn);
    };
    ResultImport outcome;
    try {
        host.BeginWait();
        outcome = importFile(false);
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
            outcome = importFile(true);
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
        QStringLiteral("%1 件の当選データを取り込みました。\n%2%3%4%5")
            .arg(
                QString::number(counts.added + counts.replaced + counts.unchanged), Q(ImportSummaryText(outcome)),
                *allowed,
                outcome.differences.empty()
                    ? QString()
                    : QStringLiteral("\nデータベースの値がファイルと違う %1 件は、データベースの値のままにしました。\n")
                              .arg(outcome.differences.size()) +
                          Q(DescribeDifferences(outcome.differences, 20, "ファイル")),
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
