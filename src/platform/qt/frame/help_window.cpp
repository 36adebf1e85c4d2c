#include "platform/qt/frame/help_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/qt/grid/grid_font.h"

namespace n3 {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("ナンバーズ3ズバリン ヘルプ"));
    setObjectName(QStringLiteral("HelpWindow"));
    resize(900, 620);
    // Escape closes the help, as it closes a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    auto* filter = new QLineEdit(this);
    filter->setPlaceholderText(QStringLiteral("キーワードを入力"));
    index_ = new QListWidget(this);
    index_->setFont(GridFont());
    page_ = new QTextBrowser(this);
    page_->setOpenExternalLinks(false);
    page_->setOpenLinks(true);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    // The label's access key (Alt+K) puts the keyboard in the keyword field.
    auto* keywordLabel = new QLabel(QStringLiteral("キーワード(&K):"), left);
    keywordLabel->setBuddy(filter);
    leftLayout->addWidget(keywordLabel);
    leftLayout->addWidget(filter);
    leftLayout->addWidget(index_, 1);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 660});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    connect(index_, &QListWidget::currentTextChanged, this, [this](const QString& keyword) {
        if (!keyword.isEmpty()) page_->scrollToAnchor(keyword);
    });
    connect(filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (int i = 0; i < index_->count(); ++i) {
            QListWidgetItem* item = index_->item(i);
            item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
        }
        for (int i = 0; i < index_->count(); ++i)
            if (!index_->item(i)->isHidden()) {
                index_->setCurrentRow(i);
                break;
            }
    });
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::holdUserWindow(QWidget* mainWindow) { userWindow_ = std::make_unique<KeepUserWindow>(mainWindow); }

void HelpWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    userWindow_.reset();  // the user's window is active again
}

bool HelpWindow::openDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QString html = QString::fromUtf8(file.readAll());
    // The captions the document quotes carry their access keys as the menus
    // write them ("ヘルプ(&H)"); on the page they read as the menu shows them: "(H)".
    static const QRegularExpression accessKey(QStringLiteral("\\(&(?:amp;)?([A-Za-z0-9])\\)"));
    html.replace(accessKey, QStringLiteral("(\\1)"));
    page_->setHtml(html);
    keywords_.clear();
    static const QRegularExpression anchor(QStringLiteral("<a\\s+name=\"([^\"]+)\""));
    for (auto it = anchor.globalMatch(html); it.hasNext();) keywords_ << it.next().captured(1);
    QStringList sorted = keywords_;
    sorted.removeDuplicates();
    index_->clear();
    index_->addItems(sorted);
    return true;
}

void HelpWindow::showKeyword(const QString& keyword) {
    const auto found = index_->findItems(keyword, Qt::MatchExactly);
    if (!found.isEmpty()) index_->setCurrentItem(found.first());
    page_->scrollToAnchor(keyword);
}

QString HelpWindow::pageText() const { return page_->toPlainText(); }

QString HelpWindow::currentKeyword() const { return index_->currentItem() ? index_->currentItem()->text() : QString(); }

}  // namespace n3
