#include "platform/qt/tickets/ticket_month_model.h"

#include <QBrush>
#include <QFont>
#include <array>

#include "platform/qt/common/qt_util.h"

namespace n3 {

namespace {

constexpr std::array<std::string_view, TicketMonthModel::kColumnCount> kHeadings = {
    "月", "購入件数", "口数", "購入金額", "当せん金", "失効", "収支", "累計収支", "回収率"};

}  // namespace

void TicketMonthModel::show(BookSummary summary) {
    beginResetModel();
    summary_ = std::move(summary);
    endResetModel();
}

int TicketMonthModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(summary_.months.size()) + 1;
}

int TicketMonthModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant TicketMonthModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool total = index.row() == int(summary_.months.size());
    const BookTotals& t = total ? summary_.totals : summary_.months[std::size_t(index.row())].totals;
    const std::int64_t cumulative =
        total ? summary_.totals.balance() : summary_.months[std::size_t(index.row())].cumulativeBalance;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0: return total ? QStringLiteral("合計") : Q(summary_.months[std::size_t(index.row())].month);
        case 1: return t.purchases;
        case 2: return QString::number(t.units);
        case 3: return Q(FormatYen(t.spent));
        case 4: return Q(FormatYen(t.won));
        case 5: return Q(FormatYen(t.expiredYen));
        case 6: return Q(FormatYen(t.balance()));
        case 7: return Q(FormatYen(cumulative));
        case 8: return Q(FormatPercent(t.returnPercent()));
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole)
        return int(index.column() == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole && index.column() == 5 && t.expiredYen > 0) return QBrush(ToQColor(kExpiredColour));
    if (role == Qt::ForegroundRole && (index.column() == 6 || index.column() == 7))
        // A loss in red (赤字), as Japanese accounts write it.
        return QBrush((index.column() == 6 ? t.balance() : cumulative) < 0 ? ToQColor(colours::Red)
                                                                           : ToQColor(colours::Black));
    if (role == Qt::BackgroundRole && total) return QBrush(ToQColor(colours::HeaderYellow));
    return {};
}

QVariant TicketMonthModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumnCount)
        return Q(kHeadings[std::size_t(section)]);
    return {};
}

}  // namespace n3
