#include "platform/qt/entry/result_table_model.h"

#include <QBrush>
#include <QUndoCommand>
#include <algorithm>

#include "core/draw_schedule.h"
#include "io/results_schedule_check.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/store/database.h"
#include "platform/store/result_store.h"
#include "windows/main_commands.h"

namespace n3 {

namespace {

using Row = ResultRowEdit;

// One cell changed: the draw's whole row before and after, so that undoing
// writes back exactly what was stored.
class ResultCellStep : public QUndoCommand {
public:
    ResultCellStep(ResultTableModel& model, int drawNo, int column, DrawResult before, DrawResult after)
        : model_(model), drawNo_(drawNo), column_(column), before_(std::move(before)), after_(std::move(after)) {
        setText(QStringLiteral("第%1回 %2").arg(drawNo).arg(Q(Row::Heading(column, model.game()))));
    }
    void undo() override { write(before_); }
    void redo() override {
        // Pushed after the write it stands for.
        if (done_) {
            done_ = false;
            return;
        }
        write(after_);
    }

private:
    void write(const DrawResult& r) {
        if (!model_.apply(drawNo_, r)) return;
        const int row = model_.rowOf(drawNo_);
        if (row >= 0) emit model_.stepApplied(model_.index(row, column_));
    }
    ResultTableModel& model_;
    int drawNo_;
    int column_;
    DrawResult before_;
    DrawResult after_;
    bool done_ = true;
};

}  // namespace

ResultTableModel::ResultTableModel(Database& database, const Game& game, QObject* parent)
    : QAbstractTableModel(parent), database_(database), game_(game), undo_(new QUndoStack(this)) {}

void ResultTableModel::show(std::shared_ptr<const HistorySnapshot> snapshot) {
    const bool sameRows = snapshot_ && snapshot && snapshot_->history.size() == snapshot->history.size();
    if (!sameRows) beginResetModel();
    snapshot_ = std::move(snapshot);
    results_ = snapshot_ ? snapshot_->results : ResultHistory{};
    if (!sameRows)
        endResetModel();
    else if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !snapshot_ ? 0 : int(snapshot_->history.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Row::ColumnCount(game_);
}

const Draw& ResultTableModel::drawOf(int row) const {
    const DrawHistory& h = snapshot_->history;
    return h[h.size() - 1 - std::size_t(row)];
}

const DrawResult* ResultTableModel::resultOf(int row) const { return FindResult(results_, drawOf(row).drawNo); }

int ResultTableModel::rowOf(int drawNo) const {
    for (int row = 0; row < rowCount(); ++row)
        if (drawOf(row).drawNo == drawNo) return row;
    return -1;
}

std::string ResultTableModel::nextDrawDate(int row) const {
    const DrawResult* next = row > 0 ? FindResult(results_, drawOf(row).drawNo + 1) : nullptr;
    return next ? next->date : std::string();
}

std::string ResultTableModel::previousDrawDate(int row) const {
    const DrawResult* previous = row + 1 < rowCount() ? FindResult(results_, drawOf(row).drawNo - 1) : nullptr;
    return previous ? previous->date : std::string();
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int column = index.column();
    if (role == Qt::DisplayRole) return Q(Row::CellText(drawOf(index.row()), resultOf(index.row()), column, game_));
    if (role == Qt::EditRole) return Q(Row::EditText(resultOf(index.row()), column, game_));
    if (role == Qt::TextAlignmentRole)
        return int(column >= Row::kFirstFigureColumn ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
    if (role == Qt::ForegroundRole) {
        if (column == Row::kDrawColumn) return QBrush(ToQColor(colours::Red));
        if (column == Row::kNumberColumn) return QBrush(ToQColor(colours::Blue));
        const DrawResult* r = resultOf(index.row());
        if (column == Row::kDateColumn && r && r->dateEstimated) return QBrush(QColor(128, 128, 128));
    }
    if (role == Qt::BackgroundRole && column == Row::kDrawColumn) return QBrush(ToQColor(colours::HeaderYellow));
    return {};
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return Q(Row::Heading(section, game_));
    return {};
}

Qt::ItemFlags ResultTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (Row::IsEditable(index.column(), game_)) f |= Qt::ItemIsEditable;
    return f;
}

bool ResultTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount()) return false;
    const int row = index.row();
    const std::string text = value.toString().toStdString();
    const DrawResult* stored = resultOf(row);
    if (text == Row::EditText(stored, index.column(), game_)) return false;
    const Draw draw = drawOf(row);
    const ResultCellEdit edit =
        Row::Edit(draw, stored, index.column(), text, nextDrawDate(row), previousDrawDate(row), game_);
    if (!edit.result) {
        emit writeRefused(Q(edit.error + "\n値は変更していません。"));
        return false;
    }
    // Refusals first (a row changed elsewhere, a date the schedule cannot
    // take), then one question for whatever is doubtful.
    if (!StillStored(draw.drawNo, stored)) return false;
    const std::optional<std::string> scheduleDoubt = ScheduleDoubt(*edit.result, stored);
    if (!scheduleDoubt) return false;
    std::string question = edit.question;
    if (!scheduleDoubt->empty())
        question = *scheduleDoubt + "。\n" + (question.empty() ? std::string("この日付で保存しますか？") : question);
    if (!question.empty() && !(ask_ && ask_(Q(question)))) return false;
    DrawResult before = stored ? *stored : DrawResult{};
    before.drawNo = draw.drawNo;
    if (!apply(draw.drawNo, *edit.result)) return false;
    undo_->push(new ResultCellStep(*this, draw.drawNo, index.column(), std::move(before), *edit.result));
    return true;
}

bool ResultTableModel::StillStored(int drawNo, const DrawResult* shown) {
    // The row is written whole: another program's write to it meanwhile
    // would be undone by what this row still shows.
    try {
        const ResultHistory now = ReadResults(database_.draws(game_));
        const DrawResult* stored = FindResult(now, drawNo);
        if (stored == shown || (stored && shown && *stored == *shown)) return true;
    } catch (const std::exception&) {
        return true;  // the write itself tells what is wrong
    }
    emit writeRefused(
        QStringLiteral("第%1回の当選結果がほかのプログラムで変更されたため、入力した値は書き込んでいません。\n"
                       "データベースの値を表示します。")
            .arg(drawNo));
    return false;
}

std::optional<std::string> ResultTableModel::ScheduleDoubt(const DrawResult& typed, const DrawResult* stored) {
    // The check every path into the results passes (io/results_schedule_check.h),
    // for a date the row did not hold yet.
    if (stored && stored->date == typed.date && stored->dateEstimated == typed.dateEstimated) return std::string();
    const ScheduleCheck check =
        CheckResultsSchedule(results_, snapshot_->history.back().drawNo, {}, {typed}, true, TodayDate());
    if (!check.ok()) {
        emit writeRefused(Q(check.refusal + "。\n値は変更していません。"));
        return std::nullopt;
    }
    return check.offSchedule.empty() ? std::string() : check.offSchedule.front();
}

bool ResultTableModel::apply(int drawNo, const DrawResult& result) {
    try {
        StoreResult(database_.draws(game_), result);
    } catch (const std::exception& e) {
        emit writeRefused(QStringLiteral("当選結果を保存できません。\n理由：%1\n値は変更していません。")
                              .arg(QString::fromStdString(e.what())));
        return false;
    }
    // Shown at once; the next snapshot brings the same (and the estimated
    // dates that follow from it).
    const auto at = std::lower_bound(results_.begin(), results_.end(), drawNo,
                                     [](const DrawResult& r, int n) { return r.drawNo < n; });
    if (at != results_.end() && at->drawNo == drawNo)
        *at = result;
    else
        results_.insert(at, result);
    const int row = rowOf(drawNo);
    if (row >= 0) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    return true;
}

}  // namespace n3
