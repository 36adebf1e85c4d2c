#pragma once
// 購入記録's outcome grid: one read-only row per purchase × covered draw.
#include <QAbstractTableModel>
#include <vector>

#include "tickets/claim_deadline.h"
#include "tickets/ticket_check.h"

namespace n3 {

class TicketOutcomeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    static constexpr int kColumnCount = 10;
    static constexpr int kYenColumn = 7;
    static constexpr int kExpiredColumn = 8;  // 失効: a prize past its deadline, apart from 当せん金
    static constexpr int kDeadlineColumn = 9;

    // Shows these outcomes of that book (copied: the grid keeps its own),
    // with the claim deadline of each win as it stands on `today`.
    void show(std::vector<Purchase> book, std::vector<DrawOutcome> outcomes, const ResultHistory& results = {},
              std::string today = {});
    // The first row of the purchase at book index `purchase`, or -1.
    int firstRowOf(std::size_t purchase) const;
    // The outcome shown on `row`, or null.
    const DrawOutcome* outcomeAt(int row) const;
    // The first winning outcome of the purchase at book index `purchase`,
    // or null when it has won nothing.
    const DrawOutcome* firstWinOf(std::size_t purchase) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<Purchase> book_;
    std::vector<DrawOutcome> outcomes_;
    std::vector<ClaimState> claims_;
    std::vector<std::string> claimTexts_;
};

}  // namespace n3
