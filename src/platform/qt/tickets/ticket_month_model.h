#pragma once
// 購入記録's monthly table: one read-only row per month and a last row
// for the whole book.
#include <QAbstractTableModel>

#include "tickets/ticket_summary.h"

namespace n3 {

class TicketMonthModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    static constexpr int kColumnCount = 9;

    void show(BookSummary summary);
    const BookSummary& summary() const { return summary_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    BookSummary summary_;
};

}  // namespace n3
