#include "platform/qt/print/print_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

#include "platform/qt/frame/dialogs.h"

namespace n3 {

namespace {

PrintPreviewResponder& Responder() {
    static PrintPreviewResponder responder;
    return responder;
}

constexpr int kProgressDelayMs = 500;

}  // namespace

PrintOutcome PrintWithProgress(QWidget* parent, QPrinter& printer, const PrintDocument& doc) {
    QProgressDialog progress(QStringLiteral("印刷しています…"), QStringLiteral("キャンセル"), 0, 1, parent);
    progress.setWindowTitle(QStringLiteral("印刷"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setValue(0);
    const PrintOutcome outcome = PaintDocument(printer, doc, [&progress](int done, int count) {
        progress.setMaximum(count);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (outcome == PrintOutcome::Failed)
        dialogs::Message(parent, QStringLiteral("印刷できませんでした。出力先を確かめてください。"),
                         QStringLiteral("メッセ－ジ"), dialogs::Icon::Critical);
    return outcome;
}

void SetPrintPreviewResponder(PrintPreviewResponder responder) { Responder() = std::move(responder); }

void OpenPrintPreview(QWidget* parent, const PrintDocument& doc) {
    if (Responder()) {
        Responder()(doc);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, doc);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー - ") + QString::fromStdString(doc.caption));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&dialog, &doc](QPrinter* p) { PrintWithProgress(&dialog, *p, doc); });
    dialog.resize(900, 700);
    dialog.exec();
}

}  // namespace n3
