#include "platform/qt/tickets/ticket_outcome_model.h"

#include <QBrush>
#include <algorithm>
#include <array>

#include "platform/qt/common/qt_util.h"
#include "tickets/ticket_summary.h"

namespace n3 {

namespace {

constexpr std::array<std::string_view, TicketOutcomeModel::kColumnCount> kHeadings = {
    "購入日", "番号", "種類", "口数", "回数", "抽せん数字", "結果", "当せん金", "失効", "支払期限"};

}  // namespace

void TicketOutcomeModel::show(std::vector<Purchase> book, std::vector<DrawOutcome> outcomes,
                              const ResultHistory& results, std::string today) {
    beginResetModel();
    book_ = std::move(book);
    outcomes_ = std::move(outcomes);
    claims_.clear();
    claimTexts_.clear();
    for (const DrawOutcome& o : outcomes_) {
        const auto deadline = ClaimDeadlineOf(FindResult(results, o.drawNo));
        const ClaimState state = ClaimStateOf(book_[o.purchase], o, deadline, today);
        claims_.push_back(state);
        claimTexts_.push_back(ClaimText(state, deadline));
    }
    endResetModel();
}

int TicketOutcomeModel::firstRowOf(std::size_t purchase) const {
    const auto it = std::lower_bound(outcomes_.begin(), outcomes_.end(), purchase,
                                     [](const DrawOutcome& o, std::size_t p) { return o.purchase < p; });
    return it != outcomes_.end() && it->purchase == purchase ? int(it - outcomes_.begin()) : -1;
}

const DrawOutcome* TicketOutcomeModel::outcomeAt(int row) const {
    return row >= 0 && row < int(outcomes_.size()) ? &outcomes_[std::size_t(row)] : nullptr;
}

const DrawOutcome* TicketOutcomeModel::firstWinOf(std::size_t purchase) const {
    const int first = firstRowOf(purchase);
    if (first < 0) return nullptr;
    for (int row = first; row < int(outcomes_.size()); ++row) {
        const DrawOutcome& o = outcomes_[std::size_t(row)];
        if (o.purchase != purchase) break;
        if (o.outcome == Outcome::Won || o.outcome == Outcome::PrizeUnknown) return &o;
    }
    return nullptr;
}

int TicketOutcomeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(outcomes_.size());
}

int TicketOutcomeModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant TicketOutcomeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(outcomes_.size())) return {};
    const DrawOutcome& o = outcomes_[std::size_t(index.row())];
    const Purchase& p = book_[o.purchase];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0: return Q(p.購入日);
        case 1: return Q(p.番号);
        case 2: return Q(TicketKindCaption(p.種類));
        case 3: return p.口数;
        case 4: return o.drawNo;
        case 5: return Q(DrawnText(o));
        case 6: return Q(OutcomeText(o));
        case kYenColumn: return o.outcome == Outcome::Won && !o.expired ? Q(FormatYen(o.yen)) : QString();
        case kExpiredColumn: return o.outcome == Outcome::Won && o.expired ? Q(FormatYen(o.yen)) : QString();
        case kDeadlineColumn: return Q(claimTexts_[std::size_t(index.row())]);
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole)
        return int(index.column() == kYenColumn || index.column() == kExpiredColumn ? Qt::AlignRight | Qt::AlignVCenter
                                                                                    : Qt::AlignCenter);
    if (role == Qt::ForegroundRole && index.column() == kDeadlineColumn) {
        switch (claims_[std::size_t(index.row())]) {
        case ClaimState::Due: return QBrush(ToQColor(colours::Red));
        case ClaimState::Expired: return QBrush(ToQColor(kExpiredColour));
        case ClaimState::Received: return QBrush(QColor(128, 128, 128));
        default: return {};
        }
    }
    if (role == Qt::ForegroundRole && o.expired) return QBrush(ToQColor(kExpiredColour));
    if (role == Qt::ForegroundRole) {
        switch (o.outcome) {
        case Outcome::Won: return QBrush(ToQColor(colours::Red));
        case Outcome::PrizeUnknown: return QBrush(QColor(200, 100, 0));
        case Outcome::NotDrawn: return QBrush(QColor(128, 128, 128));
        case Outcome::Lost: return {};
        }
    }
    return {};
}

QVariant TicketOutcomeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumnCount)
        return Q(kHeadings[std::size_t(section)]);
    return {};
}

}  // namespace n3
