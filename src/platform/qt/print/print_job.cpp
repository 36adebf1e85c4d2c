#include "platform/qt/print/print_job.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <cstdio>

#include "platform/qt/print/print_layout.h"
#include "platform/qt/print/print_page_painter.h"

namespace n3 {

namespace {

constexpr double kMarginMm = 12;

// A file name beside `path` that nothing else uses, for the PDF while it is
// being written.
QString TemporaryNameBeside(const QString& path) {
    QTemporaryFile probe(path + QStringLiteral(".XXXXXX.part.pdf"));
    if (!probe.open()) return {};
    return probe.fileName();  // removed again when `probe` goes
}

PrintOutcome PaintPages(QPrinter& printer, const PrintDocument& doc, const PrintProgress& progress, int* pageCount) {
    const QSize area = printer.pageLayout().paintRectPixels(int(kPrintDpi)).size();
    const std::vector<PrintPage> pages = LayOutPages(doc, area);
    if (pageCount) *pageCount = int(pages.size());
    const PrintPagePainter pagePainter(doc);
    QPainter p;
    if (!p.begin(&printer)) return PrintOutcome::Failed;
    const double sx = printer.logicalDpiX() / kPrintDpi, sy = printer.logicalDpiY() / kPrintDpi;
    const int count = int(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !printer.newPage()) {
            p.end();
            return PrintOutcome::Failed;
        }
        p.save();
        p.scale(sx, sy);
        pagePainter.paint(p, pages[std::size_t(i)], i + 1, count);
        p.restore();
        if (progress && !progress(i + 1, count)) {
            printer.abort();
            p.end();
            return PrintOutcome::Cancelled;
        }
    }
    return p.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace

void PreparePrinter(QPrinter& printer, const PrintDocument& doc, bool landscape) {
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    const int portraitWidth = layout.paintRectPixels(int(kPrintDpi)).width();
    if (landscape || PrefersLandscape(doc, portraitWidth)) layout.setOrientation(QPageLayout::Landscape);
    printer.setFullPage(false);
    printer.setPageLayout(layout);
    // Pages are laid out in print pixels; at that resolution the painter
    // needs no scaling, which keeps every drawing command of a PDF short
    // (lines and text stay vectors, sharp at any zoom).
    printer.setResolution(int(kPrintDpi));
    printer.setDocName(QString::fromStdString(doc.caption));
}

PrintOutcome PaintDocument(QPrinter& printer, const PrintDocument& doc, const PrintProgress& progress, int* pageCount) {
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return PaintPages(printer, doc, progress, pageCount);

    const QString part = TemporaryNameBeside(target);
    if (part.isEmpty()) return PrintOutcome::Failed;
    printer.setOutputFileName(part);
    PrintOutcome outcome = PaintPages(printer, doc, progress, pageCount);
    printer.setOutputFileName(target);
    // rename(2) replaces the older file in one step.
    if (outcome == PrintOutcome::Printed &&
        std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) != 0)
        outcome = PrintOutcome::Failed;
    if (outcome != PrintOutcome::Printed) QFile::remove(part);
    return outcome;
}

PrintOutcome PrintToPdf(const PrintDocument& doc, const QString& path, bool landscape, const PrintProgress& progress,
                        int* pageCount) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QFileInfo(path).absoluteFilePath());
    PreparePrinter(printer, doc, landscape);
    return PaintDocument(printer, doc, progress, pageCount);
}

}  // namespace n3
