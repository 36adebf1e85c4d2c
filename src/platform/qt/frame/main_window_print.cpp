// The main window's commands that act on the active child: 印刷 (Ctrl+P)
// and the help at the child's section (F1).
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/window_names.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/keep_user_window.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/print/history_document.h"
#include "platform/qt/print/print_preview.h"
#include "platform/store/database.h"
#include "windows/window_aliases.h"

namespace n3 {

namespace {

ChildWindow* ActiveChild(QMdiArea* area) {
    QMdiSubWindow* sub = area->activeSubWindow();
    return sub ? qobject_cast<ChildWindow*>(sub->widget()) : nullptr;
}

// The menu caption that opens the window of that class, without its key.
QString MenuCaptionOf(const QString& windowClass, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (!item.window.empty() && Q(item.window) == windowClass) return Q(CaptionWithoutAccessKey(item.caption));
        if (const QString found = MenuCaptionOf(windowClass, item.children); !found.isEmpty()) return found;
    }
    return {};
}

}  // namespace

QStringList MainWindow::activeHelpKeywords() const {
    const ChildWindow* child = ActiveChild(mdi_);
    if (!child) return {};
    QStringList keywords;
    if (const QString own = child->helpKeyword(); !own.isEmpty()) keywords << own;
    keywords << child->windowTitle() << child->windowClass() << MenuCaptionOf(child->windowClass(), MenuTree());
    // An analysis window the help has no section of its own for.
    keywords << QStringLiteral("分析ウィンドウの共通事項");
    keywords.removeAll(QString());
    return keywords;
}

void MainWindow::printActive() {
    ChildWindow* child = ActiveChild(mdi_);
    std::optional<PrintDocument> doc = child ? child->printDocument() : std::nullopt;
    if (!doc && child && child->windowClass() == Q(windows::kEntry)) {
        // The entry window prints the draws as stored, edits included.
        try {
            doc = MakeHistoryDocument(database().draws().ReadHistoryForEditing());
        } catch (const StoreError& e) {
            dialogs::Message(this, QString::fromStdString(e.what()), Q(kMessageTitle), dialogs::Icon::Critical);
            return;
        }
    }
    if (!doc) {
        dialogs::Message(
            this,
            child ? QStringLiteral("「%1」には印刷するものがありません。").arg(child->windowTitle())
                  : QStringLiteral("印刷するウィンドウがありません。ウィンドウを開いてから印刷してください。"),
            Q(kMessageTitle), dialogs::Icon::Information);
        return;
    }
    const KeepUserWindow keep(child);
    OpenPrintPreview(child, *doc);
}

}  // namespace n3
