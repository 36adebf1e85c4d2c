#include "platform/qt/frame/about_window.h"
#include "platform/store/database.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "platform/qt/common/qt_util.h"
#include "platform/qt/grid/grid_font.h"

namespace n3 {

AboutWindow::AboutWindow(ChildHost& host, QWidget* parent) : ChildWindow(host, parent) {
    setWindowTitle(QString::fromUtf8(windows::kAbout.data(), qsizetype(windows::kAbout.size())));
    QFont big = GridFont();
    big.setPointSize(14);
    big.setBold(true);

    auto* product = new QLabel(QStringLiteral("ナンバーズ3ズバリン Lite"), this);
    product->setObjectName(QStringLiteral("productNameLabel"));
    product->setFont(big);
    auto* version = new QLabel(QStringLiteral(" Ver1.10"), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setFont(GridFont());
    auto* slogan = new QLabel(QStringLiteral("過去の当選数字から、次の一発をズバリ狙い撃ち！"), this);
    slogan->setObjectName(QStringLiteral("sloganLabel"));
    slogan->setFont(GridFont());

    // Where this run keeps its database (and the settings file beside it).
    const QString folder = QString::fromStdString(std::filesystem::path(host.database().path()).parent_path().string());
    auto* dataFolder = new QLabel(QStringLiteral("データの保存先: %1").arg(folder), this);
    dataFolder->setObjectName(QStringLiteral("dataFolderLabel"));
    dataFolder->setFont(GridFont());
    dataFolder->setWordWrap(true);
    dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* close = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, [this] {
        if (QWidget* frame = parentWidget())
            frame->close();
        else
            this->close();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addWidget(slogan);
    layout->addWidget(dataFolder);
    layout->addStretch();
    layout->addWidget(close, 0, Qt::AlignRight);
    close->setDefault(true);
    setFocusProxy(close);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CloseChildFrame(this);
        return;
    }
    ChildWindow::keyPressEvent(event);
}

}  // namespace n3
