#include "platform/qt/entry/result_list_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "analysis/result_list.h"
#include "platform/qt/common/beep.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/entry/result_table_model.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/print/print_document_builders.h"
#include "platform/qt/print/print_preview.h"
#include "platform/store/database.h"
#include "windows/main_commands.h"
#include "windows/window_table.h"

namespace n3 {

namespace {

constexpr std::string_view kClass = "当選結果一覧";

const AnalysisWindowInfo& Info() { return *FindAnalysisWindow(kClass); }

// What the column's editor lets through while the user types.
class ResultCellValidator : public QValidator {
public:
    ResultCellValidator(int column, QObject* parent) : QValidator(parent), column_(column) {}
    State validate(QString& input, int&) const override {
        return ResultRowEdit::AcceptsTyping(column_, input.toStdString()) ? Acceptable : Invalid;
    }

private:
    int column_;
};

}  // namespace

QWidget* ResultCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(index.column() >= ResultRowEdit::kFirstFigureColumn ? Qt::AlignRight : Qt::AlignCenter);
    editor->setValidator(new ResultCellValidator(index.column(), editor));
    return editor;
}

bool ResultCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter stores the cell and goes on to the next, as Tab does.
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

ResultListWindow::ResultListWindow(ChildHost& host, QWidget* parent) : ChildWindow(host, parent) {
    setWindowTitle(Q(kClass));
    setObjectName(Q(kClass));
    setFont(GridFont());
    description_ = new QLabel(
        Q(Info().description) + QStringLiteral("。抽せん日・口数・当せん金額は、セルに入力して Enter か Tab で直せます"
                                               "（Ctrl+Z で元に戻す）。「（予定）」は抽せんの日程から求めた日付です。"),
        this);
    description_->setWordWrap(true);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setItemDelegate(new ResultCellDelegate(grid_));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    printButton_ = new QPushButton(QStringLiteral("印刷(&P)"), this);
    printButton_->setObjectName(QStringLiteral("printButton"));
    closeButton_ = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(description_);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    setFocusProxy(grid_);
    connect(closeButton_, &QPushButton::clicked, this, [this] { CloseChildFrame(this); });
    connect(printButton_, &QPushButton::clicked, this, [this] { OpenPrintPreview(this, *printDocument()); });

    editMenu_ = new QMenu(QStringLiteral("編集(&E)"), this);
    editMenu_->setObjectName(QStringLiteral("editMenu"));
    undoAction_ = editMenu_->addAction(QStringLiteral("元に戻す(&U)"));
    undoAction_->setObjectName(QStringLiteral("undo"));
    undoAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    redoAction_ = editMenu_->addAction(QStringLiteral("やり直し(&R)"));
    redoAction_->setObjectName(QStringLiteral("redo"));
    redoAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Y")));
    for (QAction* action : {undoAction_, redoAction_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(undoAction_, &QAction::triggered, this, &ResultListWindow::Undo);
    connect(redoAction_, &QAction::triggered, this, &ResultListWindow::Redo);
    resize(ScaledToScreen(designSize(), this));
}

QString ResultListWindow::windowClass() const { return Q(kClass); }

QSize ResultListWindow::designSize() const { return {Info().width, Info().height}; }

void ResultListWindow::load() {
    const WaitCursor wait;
    host().yieldOnce();
    host().setEntryFree(Info().leavesEntryFree);
    model_ = new ResultTableModel(host().database(), game(), this);
    model_->show(sharedSnapshot());
    grid_->setModel(model_);
    const std::array<double, 3> widths = {7, 15, 8};
    // Wide enough for the figures and for the whole heading.
    const QFontMetrics heading = grid_->horizontalHeader()->fontMetrics();
    for (int c = 0; c < model_->columnCount(); ++c)
        grid_->setColumnWidth(c, std::max(CharUnitsToPixels(c < 3        ? widths[std::size_t(c)]
                                                            : c % 2 == 1 ? 13
                                                                         : 16),
                                          heading.horizontalAdvance(model_->headerData(c, Qt::Horizontal).toString()) +
                                              2 * heading.averageCharWidth()));
    connect(model_, &ResultTableModel::writeRefused, this, &ResultListWindow::ShowRefused);
    model_->setQuestion([this](const QString& question) {
        return dialogs::Message(this, question, Q(kMessageTitle), dialogs::Icon::Question, dialogs::Buttons::YesNo) ==
               dialogs::Result::Yes;
    });
    connect(model_, &ResultTableModel::stepApplied, this, [this](const QModelIndex& cell) {
        grid_->setCurrentIndex(cell);
        grid_->scrollTo(cell);
    });
    connect(model_->undoStack(), &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(model_->undoStack(), &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0, ResultRowEdit::kDateColumn));
}

void ResultListWindow::followHistory() {
    if (!model_) return;
    // The cursor stays on its draw, wherever new rows put it; an edit of a
    // draw whose result changed elsewhere ends, showing the stored values.
    const QModelIndex current = grid_->currentIndex();
    const bool valid = current.isValid();
    const int drawNo = valid ? model_->index(current.row(), ResultRowEdit::kDrawColumn).data().toInt() : 0;
    const bool editing = valid && grid_->indexWidget(current) != nullptr;
    const auto rowTexts = [this](int row) {
        QStringList texts;
        for (int c = 0; c < model_->columnCount(); ++c) texts << model_->index(row, c).data().toString();
        return texts;
    };
    const QStringList before = valid ? rowTexts(current.row()) : QStringList();
    model_->show(sharedSnapshot());
    const int row = valid ? model_->rowOf(drawNo) : -1;
    if (row < 0) return;
    const QModelIndex same = model_->index(row, current.column());
    const bool changed = rowTexts(row) != before;
    QWidget* editor = grid_->indexWidget(same);  // still open when the rows stayed
    if (editor && changed)
        QMetaObject::invokeMethod(grid_, "closeEditor", Q_ARG(QWidget*, editor),
                                  Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::RevertModelCache));
    grid_->setCurrentIndex(same);
    grid_->scrollTo(same);
    if (!editing) return;
    if (!changed) {
        if (!editor) grid_->edit(same);  // the rows moved under the edit: it goes on
        return;
    }
    dialogs::Message(
        this,
        QStringLiteral("第%1回の当選結果がほかのプログラムで変更されたため、入力中の値は書き込んでいません。\n"
                       "データベースの値を表示します。")
            .arg(drawNo),
        Q(kMessageTitle), dialogs::Icon::Information);
}

std::optional<PrintDocument> ResultListWindow::printDocument() const {
    const HistorySnapshot& s = snapshot();
    WindowContent content;
    content.grid() = 当選結果一覧::Build(s.history, s.results, game());
    return MakeAnalysisDocument(Info(), content, s.history, {}, game());
}

void ResultListWindow::Undo() {
    if (model_) model_->undoStack()->undo();
}

void ResultListWindow::Redo() {
    if (model_) model_->undoStack()->redo();
}

void ResultListWindow::ShowRefused(const QString& message) {
    Beep();
    dialogs::Message(this, message, Q(kMessageTitle), dialogs::Icon::Critical);
}

}  // namespace n3
