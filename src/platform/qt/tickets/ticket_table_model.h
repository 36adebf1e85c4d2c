#pragma once
// 購入記録's editable grid: one row per purchase over the ticket store.
// Each accepted edit, new row and deleted row is written at once. Before a
// change that raises a month's spending past the budget, budgetQuestion
// asks whether to store it all the same; a refused edit or write is
// reported through writeRefused and the row stays as stored.
#include <QAbstractTableModel>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/store/database.h"
#include "platform/store/store_ticket_writer.h"
#include "tickets/ticket_book_editor.h"
#include "tickets/ticket_factors.h"

namespace n3 {

class TicketTableModel : public QAbstractTableModel, private TicketRowsObserver {
    Q_OBJECT
public:
    // Opens the database's book. Throws StoreError.
    static std::unique_ptr<TicketTableModel> Open(Database& database);
    ~TicketTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // 行追加: a new purchase after activeRow's (today, the next draw).
    // Returns its row, or -1 when it was not stored.
    int addLine(int activeRow, const std::string& today, int nextDraw);
    // A purchase filled in elsewhere, added at the end of the book.
    int addPurchase(const Purchase& p);
    // 行削除: false when the write was refused.
    bool deleteLine(int row);
    // Marks the purchase of `row` as collected (受け取り済み) or not; false
    // when the write was refused.
    bool setReceived(int row, bool received);

    // After the book's own columns, one the model fills: 推定倍率 (配当分析).
    static constexpr int kFactorColumn = TicketBookEditor::kColumnCount;
    void setFactors(const TicketFactors& factors);

    const std::vector<Purchase>& book() const { return editor_.rows(); }
    // The draws' dates an edited 購入日 must not pass.
    void setResults(ResultHistory results) { editor_.SetResults(std::move(results)); }
    void setMonthlyBudget(std::optional<std::int64_t> yen) { budget_ = yen; }
    std::optional<std::int64_t> monthlyBudget() const { return budget_; }
    // Asked with the warning when a change passes the budget; true stores it.
    void setBudgetQuestion(std::function<bool(const QString&)> ask) { ask_ = std::move(ask); }

signals:
    void writeRefused(const QString& message);
    // After every stored change of the book.
    void bookChanged();

private:
    explicit TicketTableModel(TicketStore& store);
    void RowAboutToBeInserted(int row) override { beginInsertRows({}, row, row); }
    void RowInserted() override { endInsertRows(); }
    void RowAboutToBeRemoved(int row) override { beginRemoveRows({}, row, row); }
    void RowRemoved() override { endRemoveRows(); }
    bool withinBudget(const Purchase& candidate) const;

    TicketStore& store_;
    StoreTicketWriter writer_{store_};
    TicketBookEditor editor_{writer_};
    std::optional<std::int64_t> budget_;
    std::function<bool(const QString&)> ask_;
    TicketFactors factors_;
};

}  // namespace n3
