#include "platform/qt/tickets/tickets_window.h"

#include <algorithm>

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include "analysis/payout_factors.h"
#include "core/window_names.h"
#include "lab/ticket_payout.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/print/print_document_builders.h"
#include "platform/qt/tickets/ticket_grid_delegate.h"
#include "platform/qt/tickets/ticket_month_model.h"
#include "platform/qt/tickets/ticket_outcome_model.h"
#include "platform/qt/tickets/ticket_table_model.h"
#include "platform/store/draw_store.h"
#include "settings/settings_file.h"
#include "tickets/claim_deadline.h"
#include "tickets/ticket_grids.h"
#include "windows/main_commands.h"

namespace n3 {

namespace {

using E = TicketBookEditor;

constexpr int kMonthChartMinimumHeight = 240;

bool AskYesNo(QWidget* parent, const QString& question) {
    return dialogs::Message(parent, question, Q(kMessageTitle), dialogs::Icon::Warning, dialogs::Buttons::YesNo) ==
           dialogs::Result::Yes;
}

QTableView* ReadOnlyGrid(QWidget* parent, const char* name) {
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    return view;
}

// 受け取り済み set or taken back as one step of 元に戻す. The mark is stored
// before the step is pushed, so the first redo does nothing.
class ReceivedStep : public QUndoCommand {
public:
    ReceivedStep(const QString& text, std::function<void(bool)> store, bool received)
        : QUndoCommand(text), store_(std::move(store)), received_(received) {}
    void undo() override { store_(!received_); }
    void redo() override {
        if (!first_) store_(received_);
        first_ = false;
    }

private:
    std::function<void(bool)> store_;
    bool received_;
    bool first_ = true;
};

}  // namespace

TicketsWindow::TicketsWindow(ChildHost& host, Settings& settings, QWidget* parent)
    : ChildWindow(host, parent), settings_(settings) {
    setWindowTitle(Q(windows::kTickets));
    setObjectName(Q(windows::kTickets));
    setFont(GridFont());
    BuildControls();
    BuildMenu();
}

TicketsWindow::~TicketsWindow() = default;

QString TicketsWindow::windowClass() const { return Q(windows::kTickets); }

QList<QMenu*> TicketsWindow::ownMenus() { return {editMenu_}; }

void TicketsWindow::BuildControls() {
    auto* label = new QLabel(QStringLiteral("買った番号を入力します（当せんは抽せん結果から自動で判定します）"), this);
    budget_ = new QLineEdit(this);
    budget_->setObjectName(QStringLiteral("budget"));
    budget_->setMaximumWidth(120);
    budget_->setAlignment(Qt::AlignRight);
    budget_->setPlaceholderText(QStringLiteral("なし"));
    auto* top = new QHBoxLayout;
    top->addWidget(label, 1);
    top->addWidget(new QLabel(QStringLiteral("月の予算"), this));
    top->addWidget(budget_);
    top->addWidget(new QLabel(QStringLiteral("円"), this));

    purchases_ = new QTableView(this);
    purchases_->setObjectName(QStringLiteral("purchases"));
    purchases_->setItemDelegate(new TicketGridDelegate(purchases_));
    purchases_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    purchases_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    purchases_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    purchases_->verticalHeader()->setDefaultSectionSize(purchases_->fontMetrics().height() + 6);
    purchases_->installEventFilter(this);
    outcomes_ = new TicketOutcomeModel(this);
    outcomeGrid_ = ReadOnlyGrid(this, "outcomes");
    outcomeGrid_->setModel(outcomes_);
    months_ = new TicketMonthModel(this);
    monthGrid_ = ReadOnlyGrid(this, "months");
    monthGrid_->setModel(months_);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    // 月別: the month table, and beside it the same months as a chart.
    monthViews_ = new QTabWidget(lower);
    monthViews_->setObjectName(QStringLiteral("monthViews"));
    monthChart_ = new ChartView(monthViews_);
    // Bars, a line and month labels need room to be read.
    monthChart_->setMinimumHeight(kMonthChartMinimumHeight);
    monthViews_->addTab(monthGrid_, QStringLiteral("月別"));
    monthViews_->addTab(monthChart_, QStringLiteral("月別グラフ"));
    lowerLayout->addWidget(monthViews_, 1);
    lowerLayout->addWidget(summary_);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(purchases_);
    split->addWidget(outcomeGrid_);
    split->addWidget(lower);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 3);
    split->setStretchFactor(2, 2);

    addButton_ = new QPushButton(QStringLiteral("行追加"), this);
    addButton_->setObjectName(QStringLiteral("addLine"));
    delButton_ = new QPushButton(QStringLiteral("行削除"), this);
    delButton_->setObjectName(QStringLiteral("delLine"));
    closeButton_ = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(delButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    // Messages about what was just done; the summary line stands only above.
    status_ = new QStatusBar(this);
    status_->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);

    connect(addButton_, &QPushButton::clicked, this, &TicketsWindow::AddLine);
    connect(delButton_, &QPushButton::clicked, this, &TicketsWindow::DelLine);
    connect(closeButton_, &QPushButton::clicked, this, [this] { CloseChildFrame(this); });
    connect(budget_, &QLineEdit::editingFinished, this, &TicketsWindow::ApplyBudget);
}

void TicketsWindow::BuildMenu() {
    editMenu_ = new QMenu(QStringLiteral("編集(&E)"), this);
    editMenu_->setObjectName(QStringLiteral("editMenu"));
    insertRowAction_ = editMenu_->addAction(QStringLiteral("行追加"));
    insertRowAction_->setObjectName(QStringLiteral("insertRow"));
    insertRowAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    deleteRowAction_ = editMenu_->addAction(QStringLiteral("行削除"));
    deleteRowAction_->setObjectName(QStringLiteral("deleteRow"));
    deleteRowAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    undo_ = new QUndoStack(this);
    undoAction_ = editMenu_->addAction(QStringLiteral("元に戻す(&U)"));
    undoAction_->setObjectName(QStringLiteral("undo"));
    undoAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    undoAction_->setEnabled(false);
    connect(undo_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(undoAction_, &QAction::triggered, undo_, &QUndoStack::undo);
    editMenu_->addSeparator();
    markReceivedAction_ = editMenu_->addAction(QStringLiteral("受け取り済み(&R)"));
    markReceivedAction_->setObjectName(QStringLiteral("markReceived"));
    markReceivedAction_->setCheckable(true);
    markReceivedAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    connect(markReceivedAction_, &QAction::triggered, this, &TicketsWindow::ToggleReceived);
    for (QAction* action : {insertRowAction_, deleteRowAction_, undoAction_, markReceivedAction_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(insertRowAction_, &QAction::triggered, this, &TicketsWindow::AddLine);
    connect(deleteRowAction_, &QAction::triggered, this, &TicketsWindow::DelLine);
}

void TicketsWindow::load() {
    QString failure;
    {
        const WaitCursor wait;
        host().yieldOnce();
        try {
            model_ = TicketTableModel::Open(host().database()).release();
        } catch (const StoreError& e) {
            failure = QString::fromStdString(e.what());
        }
    }
    if (!model_) {
        dialogs::Message(this, failure, Q(kMessageTitle), dialogs::Icon::Critical);
        CloseChildFrame(this);
        return;
    }
    model_->setParent(this);
    const MonthlyBudgetResult& budget = settings_.monthlyBudget();
    if (!budget.ok()) dialogs::Message(this, Q(budget.error), Q(kMessageTitle), dialogs::Icon::Critical);
    model_->setMonthlyBudget(budget.yen);
    budget_->setText(budget.yen ? QString::number(*budget.yen) : QString());
    model_->setBudgetQuestion([this](const QString& warning) { return AskYesNo(this, warning); });
    purchases_->setModel(model_);
    for (int c = 0; c < E::kColumnCount; ++c)
        purchases_->setColumnWidth(c, CharUnitsToPixels(E::kColumnWidths[std::size_t(c)]));
    purchases_->setColumnWidth(TicketTableModel::kFactorColumn, CharUnitsToPixels(8));
    purchases_->horizontalHeader()->setStretchLastSection(false);
    connect(model_, &TicketTableModel::writeRefused, this, &TicketsWindow::ShowRefused);
    connect(model_, &TicketTableModel::bookChanged, this, &TicketsWindow::refresh);
    connect(purchases_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { FollowPurchase(current); });
    connect(outcomeGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { FollowOutcome(current); });
    refresh();
}

// Each game's draws for its purchases: another game's snapshot is read only
// when the book holds a purchase of it.
std::vector<GameDraws> TicketsWindow::BookDraws() const {
    std::vector<GameDraws> games;
    for (const Game* game : kGames) {
        const bool held = game == &kNumbers3 ||
                          std::ranges::any_of(model_->book(), [game](const Purchase& p) { return p.game == game; });
        if (!held) continue;
        const HistorySnapshot& s = host().snapshotOf(*game);
        games.push_back({game, &s.history, &s.results});
    }
    return games;
}

void TicketsWindow::refresh() {
    if (!model_) return;
    // The shared snapshot follows every change of the draws.
    const DrawHistory& history = host().snapshot().history;
    nextDraw_ = 1;
    for (const Draw& d : history)
        if (d.complete()) nextDraw_ = d.drawNo + 1;
    model_->setResults(host().snapshot().results);
    factors_ = TicketFactorsOf(*KeptPayoutFigures(history, host().snapshot().results, &host().snapshot().memo));
    model_->setFactors(factors_);
    const std::vector<Purchase>& book = model_->book();
    const std::string today = today_().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    std::vector<DrawOutcome> checked = CheckBook(book, BookDraws());
    MarkExpired(book, checked, host().snapshot().results, today);
    BookSummary summary = Summarise(book, checked);
    chart_ = MonthlyChart(summary);
    monthChart_->setCharts({chart_});
    const QString line = Q(SummaryLine(summary.totals));
    const ResultHistory& results = host().snapshot().results;
    std::string warning = ClaimWarningText(ClaimWarnings(book, checked, results, today));
    const std::string expired = ExpiredClaimText(ClaimWarnings(book, checked, results, today, ClaimState::Expired));
    if (!expired.empty()) warning += (warning.empty() ? "" : "　") + expired;
    outcomes_->show(book, std::move(checked), host().snapshot().results, today);
    // A near deadline stays in the status line until it is dealt with.
    if (!warning.empty())
        status_->showMessage(Q(warning));
    else if (status_->currentMessage().startsWith(QStringLiteral("当せん金の支払期限")) ||
             status_->currentMessage().startsWith(QStringLiteral("受け取っていない当せん金")))
        status_->clearMessage();
    markReceivedAction_->setChecked(false);
    for (const Purchase& p : model_->book())
        if (p.id == targetPurchase_) markReceivedAction_->setChecked(p.受け取り済み);
    months_->show(std::move(summary));
    for (int c = 0; c < TicketMonthModel::kColumnCount; ++c) monthGrid_->setColumnWidth(c, CharUnitsToPixels(10));
    for (int c = 0; c < TicketOutcomeModel::kColumnCount; ++c)
        outcomeGrid_->setColumnWidth(c, CharUnitsToPixels(c == 6                                     ? 22
                                                          : c == TicketOutcomeModel::kDeadlineColumn ? 24
                                                                                                     : 10));
    summary_->setText(line);
}

std::optional<PrintDocument> TicketsWindow::printDocument() const {
    if (!model_) return std::nullopt;
    PrintDocument doc;
    doc.caption = std::string(windows::kTickets);
    doc.dateText = TodayText();
    const std::vector<Purchase>& book = model_->book();
    std::vector<DrawOutcome> checked = CheckBook(book, BookDraws());
    MarkExpired(book, checked, host().snapshot().results,
                today_().toString(QStringLiteral("yyyy-MM-dd")).toStdString());
    const BookSummary summary = Summarise(book, checked);
    doc.addText(SummaryLine(summary.totals));
    for (GridModel& grid : TicketGrids(book, checked, summary, &factors_)) doc.addGrid(std::move(grid));
    doc.addChart(chart_);
    return doc;
}

void TicketsWindow::ToggleReceived() {
    if (!model_) return;
    const std::vector<Purchase>& book = model_->book();
    std::size_t index = book.size();
    for (std::size_t i = 0; i < book.size(); ++i)
        if (book[i].id == targetPurchase_) index = i;
    if (index == book.size()) {
        markReceivedAction_->setChecked(false);
        status_->showMessage(QStringLiteral("受け取り済みにする券の行をクリックしてください。"));
        return;
    }
    const Purchase p = book[index];
    // The draw of the clicked outcome row when it won, else the purchase's first win.
    const DrawOutcome* win = nullptr;
    for (int row = outcomes_->firstRowOf(index); const DrawOutcome* o = outcomes_->outcomeAt(row); ++row) {
        if (o->purchase != index) break;
        if (o->drawNo == targetDraw_ && o->prize) win = o;
    }
    if (!win) win = outcomes_->firstWinOf(index);
    DrawOutcome named;
    named.drawNo = p.最初の回数;
    if (win) named = *win;
    const bool received = !p.受け取り済み;
    markReceivedAction_->setChecked(p.受け取り済み);
    if (dialogs::Message(this, Q(ReceivedQuestion(p, named, received)), Q(kMessageTitle), dialogs::Icon::Question,
                         dialogs::Buttons::YesNoDefaultYes) != dialogs::Result::Yes)
        return;
    const std::int64_t id = p.id;
    if (!StoreReceived(id, received)) return;
    undo_->push(new ReceivedStep(
        QStringLiteral("受け取り済み"), [this, id](bool on) { StoreReceived(id, on); }, received));
}

bool TicketsWindow::StoreReceived(std::int64_t purchaseId, bool received) {
    if (!model_) return false;
    const std::vector<Purchase>& book = model_->book();
    for (std::size_t row = 0; row < book.size(); ++row) {
        if (book[row].id != purchaseId) continue;
        if (!model_->setReceived(int(row), received)) return false;
        status_->showMessage(received ? QStringLiteral("受け取り済みにしました（Ctrl+Z で元に戻す）。")
                                      : QStringLiteral("受け取り済みを取り消しました。"));
        if (targetPurchase_ == purchaseId) markReceivedAction_->setChecked(received);
        return true;
    }
    return false;
}

void TicketsWindow::FollowPurchase(const QModelIndex& current) {
    if (!current.isValid() || !model_ || current.row() >= int(model_->book().size())) return;
    const Purchase& p = model_->book()[std::size_t(current.row())];
    targetPurchase_ = p.id;
    targetDraw_ = 0;
    markReceivedAction_->setChecked(p.受け取り済み);
    const int row = outcomes_->firstRowOf(std::size_t(current.row()));
    if (row >= 0) outcomeGrid_->scrollTo(outcomes_->index(row, 0), QAbstractItemView::PositionAtTop);
}

void TicketsWindow::FollowOutcome(const QModelIndex& current) {
    const DrawOutcome* o = outcomes_->outcomeAt(current.row());
    if (!o || !model_ || o->purchase >= model_->book().size()) return;
    const Purchase& p = model_->book()[o->purchase];
    targetPurchase_ = p.id;
    targetDraw_ = o->drawNo;
    markReceivedAction_->setChecked(p.受け取り済み);
}

void TicketsWindow::AddPurchase(const Purchase& ticket) {
    if (!model_) return;
    const int row = model_->addPurchase(ticket);
    if (row < 0) return;
    const QModelIndex cell = model_->index(row, E::kNumber);
    purchases_->setCurrentIndex(cell);
    purchases_->scrollTo(cell);
    purchases_->setFocus();
    status_->showMessage(QStringLiteral("第%1回 %2 %3 %4口を追加しました。内容を確かめてください（取り消しは行削除）。")
                             .arg(ticket.最初の回数)
                             .arg(Q(ticket.番号), Q(TicketKindCaption(ticket.種類)))
                             .arg(ticket.口数));
}

void TicketsWindow::AddLine() {
    if (!model_) return;
    const QModelIndex active = purchases_->currentIndex();
    const std::string today = today_().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    const int row = model_->addLine(active.isValid() ? active.row() : model_->rowCount() - 1, today, nextDraw_);
    if (row < 0) return;
    const QModelIndex cell = model_->index(row, E::kNumber);
    purchases_->setCurrentIndex(cell);
    purchases_->scrollTo(cell);
    purchases_->setFocus();
}

void TicketsWindow::DelLine() {
    if (!model_) return;
    const QModelIndex active = purchases_->currentIndex();
    if (!active.isValid()) return;
    if (!AskYesNo(this, QStringLiteral("選択された購入記録を削除します。よろしいですか？"))) return;
    model_->deleteLine(active.row());
    purchases_->setFocus();
}

void TicketsWindow::ApplyBudget() {
    if (!model_) return;
    const auto yen = ParseMonthlyBudget(budget_->text().toStdString());
    if (!yen) {
        dialogs::Message(this, QStringLiteral("月の予算は円の金額で入力してください（空欄は予算なし）。"),
                         Q(kMessageTitle), dialogs::Icon::Critical);
        budget_->setText(model_->monthlyBudget() ? QString::number(*model_->monthlyBudget()) : QString());
        return;
    }
    if (*yen == model_->monthlyBudget()) return;
    const SettingsFileResult saved = settings_.setMonthlyBudget(*yen);
    if (!saved.ok()) {
        dialogs::Message(this, Q(saved.error), Q(kMessageTitle), dialogs::Icon::Critical);
        budget_->setText(model_->monthlyBudget() ? QString::number(*model_->monthlyBudget()) : QString());
        return;
    }
    model_->setMonthlyBudget(*yen);
}

// Delete empties the memo of the selected cells; the other columns always
// hold a value and keep it.
bool TicketsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == purchases_ && event->type() == QEvent::KeyPress && model_ &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        !purchases_->indexWidget(purchases_->currentIndex())) {
        for (const QModelIndex& index : purchases_->selectionModel()->selectedIndexes())
            if (index.column() == E::kMemo) model_->setData(index, QString(), Qt::EditRole);
        return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

void TicketsWindow::ShowRefused(const QString& message) {
    dialogs::Message(this, message, Q(kMessageTitle), dialogs::Icon::Critical);
}

void TicketsWindow::unload() {
    // Leaves the entry-free flag as it is (see load()).
    if (QWidget* editor = purchases_->indexWidget(purchases_->currentIndex()))
        QMetaObject::invokeMethod(purchases_, "commitData", Q_ARG(QWidget*, editor));
}

TicketsWindow* CreateTicketsWindow(ChildHost& host, Settings& settings) { return new TicketsWindow(host, settings); }

}  // namespace n3
