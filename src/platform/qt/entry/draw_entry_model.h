#pragma once
// The entry window's grid data: an editable table over the draw store. Each
// accepted edit, new row and deleted row is written to the database at once;
// a write the database refuses is reported through writeRefused and the
// cell or row stays as stored.
#include <QAbstractTableModel>
#include <QUndoStack>
#include <memory>
#include <string>

#include "entry/draw_entry.h"
#include "platform/store/database.h"
#include "platform/store/store_draw_writer.h"

namespace n3 {

class DrawEntryModel : public QAbstractTableModel, private EntryRowsObserver {
    Q_OBJECT
public:
    // Opens the existing database and reads every draw of the game. Throws
    // StoreError.
    static std::unique_ptr<DrawEntryModel> Open(Database& database, const Game& game = kNumbers3);
    ~DrawEntryModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // 行追加: stores a new draw and shows its row where its number sorts.
    // Returns the new row, or -1 when the write was refused.
    int addLine();
    // 行削除: false when the write was refused.
    bool deleteLine(int row);
    // 行削除 of rows first..last in one write: false when refused.
    bool deleteLines(int first, int last);
    // Reads the stored draws again and follows them (a write from another
    // program): rows come and go, changed digits are shown. Returns the
    // numbers of the draws whose digits changed; nothing when the store
    // cannot be read now (the next look tells).
    std::vector<int> follow();
    // The first cell the close check rejects, or an invalid index.
    QModelIndex firstWrongCell() const;

    const 当選データ入力& entry() const { return entry_; }
    // Every accepted change is a step here (Ctrl+Z / Ctrl+Y).
    QUndoStack* undoStack() const { return undo_; }
    // The last row holds all the game's digits.
    bool lastRowComplete() const;

    // The undo stack's steps: the same writes, found by draw number and
    // not recorded again. A refused write is reported as any other.
    void applyDigits(int drawNo, const DrawDigits& digits);
    void applyRestore(const std::vector<Draw>& draws);
    void applyRemove(const std::vector<int>& drawNos);

signals:
    // A write the database refused, with the message for the user.
    void writeRefused(const QString& message);
    // A typed digit was not written because another program changed the
    // draw meanwhile; the grid shows the stored draws now.
    void changedElsewhere(const QString& message);
    // An undone or redone step touched this cell: the cursor goes there.
    void stepApplied(const QModelIndex& cell);

private:
    explicit DrawEntryModel(DrawStore& store);
    void RowAboutToBeInserted(int row) override;
    void RowInserted() override;
    void RowAboutToBeRemoved(int row) override;
    void RowRemoved() override;
    void refused(const std::exception& e);

    DrawStore& store_;
    StoreDrawWriter writer_{store_};
    当選データ入力 entry_{writer_, store_.game()};
    QUndoStack* undo_;
};

}  // namespace n3
