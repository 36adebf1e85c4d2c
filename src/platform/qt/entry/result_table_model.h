#pragma once
// 当選結果一覧's editable grid: one row per draw, newest first, with its
// date, number, winner counts and prizes. An accepted edit is written to
// the database at once (the open windows and the ticket book follow through
// the database's change listener) and becomes a step of the undo stack; a
// refused one is reported through writeRefused and nothing changes.
#include <QAbstractTableModel>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/history_snapshot.h"
#include "entry/result_row_edit.h"

namespace n3 {

class Database;

class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The rows of the game's draws, written to its tables.
    ResultTableModel(Database& database, const Game& game, QObject* parent = nullptr);
    const Game& game() const { return game_; }

    // Shows the draws and results of `snapshot` (after a change anywhere).
    void show(std::shared_ptr<const HistorySnapshot> snapshot);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QUndoStack* undoStack() const { return undo_; }
    // The row of draw `drawNo`, or -1.
    int rowOf(int drawNo) const;
    // The undo stack's steps: the whole row written again, found by draw
    // number. False (reported) when the database refuses it.
    bool apply(int drawNo, const DrawResult& result);

    // Asked before storing a row that needs a yes (a date off the draw
    // schedule, a prize that breaks the prize rule); true stores it.
    // Without one such a row is not stored.
    void setQuestion(std::function<bool(const QString&)> ask) { ask_ = std::move(ask); }

signals:
    void writeRefused(const QString& message);
    // An undone or redone step wrote this cell's row: the cursor goes there.
    void stepApplied(const QModelIndex& cell);

private:
    const Draw& drawOf(int row) const;
    // False (reported) when the draw's stored result is no longer `shown`.
    bool StillStored(int drawNo, const DrawResult* shown);
    // None when the typed row's date cannot be (reported); otherwise what is
    // doubtful about it against the draw schedule, empty when nothing.
    std::optional<std::string> ScheduleDoubt(const DrawResult& typed, const DrawResult* stored);
    const DrawResult* resultOf(int row) const;
    // The date of the draw after / before that of `row`, empty when unknown.
    std::string nextDrawDate(int row) const;
    std::string previousDrawDate(int row) const;

    Database& database_;
    const Game& game_;
    std::shared_ptr<const HistorySnapshot> snapshot_;
    ResultHistory results_;  // the snapshot's, with this window's writes on top until the next snapshot
    QUndoStack* undo_;
    std::function<bool(const QString&)> ask_;
};

}  // namespace n3
