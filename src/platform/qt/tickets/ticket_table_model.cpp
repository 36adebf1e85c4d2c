#include "platform/qt/tickets/ticket_table_model.h"

#include <QBrush>

#include "platform/qt/common/qt_util.h"
#include "tickets/ticket_summary.h"

namespace n3 {

namespace {

using E = TicketBookEditor;

QString Refused(std::string_view reason) {
    return QStringLiteral("購入記録に書き込めません。\n理由：%1\n\n購入記録は変更されていません。").arg(Q(reason));
}

}  // namespace

std::unique_ptr<TicketTableModel> TicketTableModel::Open(Database& database) {
    database.CheckStillThere();
    std::vector<Purchase> book = database.tickets().ReadAll();
    std::unique_ptr<TicketTableModel> model(new TicketTableModel(database.tickets()));
    model->editor_.Load(std::move(book));
    return model;
}

TicketTableModel::TicketTableModel(TicketStore& store) : store_(store) { editor_.setObserver(this); }

TicketTableModel::~TicketTableModel() { editor_.setObserver(nullptr); }

int TicketTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : editor_.rowCount(); }

int TicketTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kFactorColumn + 1; }

void TicketTableModel::setFactors(const TicketFactors& factors) {
    factors_ = factors;
    if (rowCount() > 0) emit dataChanged(index(0, kFactorColumn), index(rowCount() - 1, kFactorColumn));
}

QVariant TicketTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (index.column() == kFactorColumn) {
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole || std::size_t(index.row()) >= book().size()) return {};
        const std::optional<double> factor = factors_.of(book()[std::size_t(index.row())]);
        return factor ? QString::number(*factor, 'f', 2) : QStringLiteral("－");
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return Q(editor_.CellText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        if (index.column() == E::kMemo) return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (index.column() == E::kCost) return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (index.column() == E::kCost) return QBrush(ToQColor(colours::HeaderYellow));
        return {};
    default: return {};
    }
}

QVariant TicketTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == kFactorColumn) {
        if (role == Qt::DisplayRole) return QStringLiteral("推定倍率");
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        return {};
    }
    if (orientation == Qt::Horizontal && section >= 0 && section < E::kColumnCount) {
        if (role == Qt::DisplayRole) return Q(E::kColumnHeadings[std::size_t(section)]);
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        return {};
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return {};
}

Qt::ItemFlags TicketTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (E::IsEditable(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool TicketTableModel::withinBudget(const Purchase& candidate) const {
    const auto over = OverBudget(editor_.rows(), candidate, budget_);
    if (!over) return true;
    return ask_ && ask_(Q(BudgetWarning(*over) + "\nこのまま登録しますか？"));
}

bool TicketTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const std::string text = value.toString().toStdString();
    if (text == editor_.CellText(index.row(), index.column())) return false;
    const TicketEdit edit = editor_.Edit(index.row(), index.column(), text);
    if (!edit.purchase) {
        emit writeRefused(Q(edit.error));
        return false;
    }
    const Purchase& before = editor_.rows()[std::size_t(index.row())];
    if (edit.purchase->cost() > before.cost() || edit.purchase->購入日 != before.購入日)
        if (!withinBudget(*edit.purchase)) return false;
    try {
        editor_.Apply(index.row(), *edit.purchase);
    } catch (const std::exception& e) {
        emit dataChanged(index, index);
        emit writeRefused(Refused(e.what()));
        return false;
    }
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), E::kColumnCount - 1));
    emit bookChanged();
    return true;
}

bool TicketTableModel::setReceived(int row, bool received) {
    if (row < 0 || row >= editor_.rowCount()) return false;
    Purchase edited = editor_.rows()[std::size_t(row)];
    if (edited.受け取り済み == received) return true;
    edited.受け取り済み = received;
    try {
        editor_.Apply(row, edited);
    } catch (const std::exception& e) {
        emit writeRefused(Refused(e.what()));
        return false;
    }
    emit dataChanged(index(row, 0), index(row, E::kColumnCount - 1));
    emit bookChanged();
    return true;
}

int TicketTableModel::addLine(int activeRow, const std::string& today, int nextDraw) {
    return addPurchase(editor_.NewPurchase(activeRow, today, nextDraw));
}

int TicketTableModel::addPurchase(const Purchase& p) {
    if (!withinBudget(p)) return -1;
    int row = -1;
    try {
        row = editor_.AddLine(p);
    } catch (const std::exception& e) {
        emit writeRefused(Refused(e.what()));
        return -1;
    }
    emit bookChanged();
    return row;
}

bool TicketTableModel::deleteLine(int row) {
    if (row < 0 || row >= editor_.rowCount()) return false;
    try {
        editor_.DeleteLine(row);
    } catch (const std::exception& e) {
        emit writeRefused(Refused(e.what()));
        return false;
    }
    emit bookChanged();
    return true;
}

}  // namespace n3
