#pragma once
// 購入記録's outcome grid: one read-only row per purchase × covered draw.
#include <QAbstractTableModel>
#include <vector>

#include "tickets/ticket_check.h"

namespace n3 {

class TicketOutcomeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    static constexpr int kColumnCount = 8;

    // Shows these outcomes of that book (copied: the grid keeps its own).
    void show(std::vector<Purchase> book, std::vector<DrawOutcome> outcomes);
    // The first row of the purchase at book index `purchase`, or -1.
    int firstRowOf(std::size_t purchase) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<Purchase> book_;
    std::vector<DrawOutcome> outcomes_;
};

}  // namespace n3
