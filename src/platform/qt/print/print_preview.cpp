#include "platform/qt/print/print_preview.h"

#include <QAbstractScrollArea>
#include <QBoxLayout>
#include <QEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QStatusBar>

#include "platform/qt/common/dialogs.h"
#include "platform/qt/print/print_options_bar.h"

namespace n3 {

namespace {

PrintPreviewResponder& Responder() {
    static PrintPreviewResponder responder;
    return responder;
}

constexpr int kProgressDelayMs = 500;

// Swallows the paint events of the widgets it watches while `blocking`.
class PaintBlocker : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return blocking && event->type() == QEvent::Paint; }
    bool blocking = false;
};
// A print of this many pages shows its progress from the first page on.
constexpr int kPagesShownAtOnce = 20;

// Where a PDF went, in the status bar of the main window that holds
// `parent`; nothing when there is none.
void ReportPdf(QWidget* parent, const QString& path) {
    for (QWidget* w = parent; w; w = w->parentWidget()) {
        if (auto* main = qobject_cast<QMainWindow*>(w)) {
            main->statusBar()->showMessage(
                QStringLiteral("PDFファイルに保存しました：%1").arg(QFileInfo(path).absoluteFilePath()));
            return;
        }
    }
}

}  // namespace

PrintChoice DefaultPrintChoice(const PrintDocument& doc) {
    PrintChoice choice;
    // From the グラフ tab the charts are what the user wants on paper.
    if (doc.chartsInView && OfferOf(doc).parts) choice.parts = PrintParts::ChartsOnly;
    return choice;
}

PrintOutcome PrintWithProgress(QWidget* parent, QPrinter& printer, const PrintDocument& doc) {
    QProgressDialog progress(QStringLiteral("印刷のページを作っています…"), QStringLiteral("キャンセル"), 0, 1, parent);
    progress.setWindowTitle(QStringLiteral("印刷"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setValue(0);
    const PrintOutcome outcome = PaintDocument(printer, doc, [&progress](int done, int count) {
        progress.setMaximum(count);
        progress.setLabelText(QStringLiteral("印刷のページを作っています… %1 / %2 ページ").arg(done).arg(count));
        if (count >= kPagesShownAtOnce && !progress.isVisible()) progress.show();
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (outcome == PrintOutcome::Failed)
        dialogs::Message(parent, QStringLiteral("印刷できませんでした。出力先を確かめてください。"),
                         QStringLiteral("メッセ－ジ"), dialogs::Icon::Critical);
    if (outcome == PrintOutcome::Printed && !IsPreview(printer) && printer.outputFormat() == QPrinter::PdfFormat &&
        !printer.outputFileName().isEmpty())
        ReportPdf(parent, printer.outputFileName());
    return outcome;
}

void SetPrintPreviewResponder(PrintPreviewResponder responder) { Responder() = std::move(responder); }

PrintPreview::PrintPreview(QWidget* parent, PrintDocument doc)
    : whole_(std::move(doc)), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), parent_(parent) {
    const PrintChoice initial = DefaultPrintChoice(whole_);
    printed_ = ApplyPrintChoice(whole_, initial);
    PreparePrinter(*printer_, printed_);
    dialog_ = new QPrintPreviewDialog(printer_.get(), parent);
    dialog_->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog_->setWindowTitle(QStringLiteral("印刷プレビュー - ") + QString::fromStdString(whole_.caption));
    preview_ = dialog_->findChild<QPrintPreviewWidget*>();
    const PrintOffer offer = OfferOf(whole_);
    if ((offer.parts || offer.range) && preview_) {
        if (auto* layout = qobject_cast<QBoxLayout*>(dialog_->layout())) {
            options_ = new PrintOptionsBar(offer, initial, dialog_);
            layout->addWidget(options_);  // under the pages
            QObject::connect(options_, &PrintOptionsBar::changed, dialog_, [this] { choose(options_->choice()); });
        }
    }
    // While the preview's pages are made again, the pages it shows are
    // already gone: the progress dialog lets events run, and none of them may
    // paint the old pages.
    auto* blocker = new PaintBlocker(dialog_);
    if (preview_)
        for (QAbstractScrollArea* area : preview_->findChildren<QAbstractScrollArea*>())
            area->viewport()->installEventFilter(blocker);
    QObject::connect(dialog_, &QPrintPreviewDialog::paintRequested, dialog_, [this, blocker](QPrinter* p) {
        blocker->blocking = IsPreview(*p);
        PrintWithProgress(dialog_, *p, printed_);
        blocker->blocking = false;
    });
    dialog_->resize(980, 720);
}

PrintPreview::~PrintPreview() { delete dialog_; }

void PrintPreview::choose(const PrintChoice& choice) {
    printed_ = ApplyPrintChoice(whole_, choice);
    PreparePrinter(*printer_, printed_);
    if (preview_) preview_->updatePreview();
}

int PrintPreview::pageCount() const { return preview_ ? preview_->pageCount() : 0; }

int PrintPreview::exec() { return dialog_->exec(); }

void OpenPrintPreview(QWidget* parent, const PrintDocument& doc) {
    if (Responder()) {
        Responder()(ApplyPrintChoice(doc, DefaultPrintChoice(doc)));
        return;
    }
    PrintPreview preview(parent, doc);
    preview.exec();
}

}  // namespace n3
